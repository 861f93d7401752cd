#pragma once
// What the tone-remote tabs use to put controls into their frames: the frame's grid, a named
// caption and a named narrow entry box.
#include <QString>

class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QWidget;

namespace trview {

// The frame's grid layout; one is made when the frame has none.
QGridLayout* gridOf(QGroupBox* frame);
QLabel* caption(QWidget* parent, const QString& text, const QString& name);
// An entry box at most 70 pixels wide, with its tool tip.
QLineEdit* narrowBox(QWidget* parent, const QString& name, const QString& tip = {});

} // namespace trview
