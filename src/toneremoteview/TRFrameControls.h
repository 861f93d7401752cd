#pragma once
// What the tone-remote tabs use to put controls into their frames: the frame's grid, a named
// caption, a named check box and a named narrow entry box.
#include <QString>

class QCheckBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QWidget;

namespace trview {

// The frame's grid layout; one is made when the frame has none.
QGridLayout* gridOf(QGroupBox* frame);
QLabel* caption(QWidget* parent, const QString& text, const QString& name);
// A named check box with its tool tip.
QCheckBox* checkBox(QWidget* parent, const QString& text, const QString& name, const QString& tip = {});
// An entry box at most 70 pixels wide, with its tool tip.
QLineEdit* narrowBox(QWidget* parent, const QString& name, const QString& tip = {});

} // namespace trview
