#pragma once
// The row of buttons at the foot of the editor's dialogs.
#include <QBoxLayout>
#include <QWidget>
#include <initializer_list>

namespace platform {

// The buttons side by side at the right, as the last row of `outer`.
inline void buttonRow(QBoxLayout* outer, std::initializer_list<QWidget*> buttons)
{
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    for (QWidget* b : buttons)
        row->addWidget(b);
    outer->addLayout(row);
}

} // namespace platform
