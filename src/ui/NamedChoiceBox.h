// SPDX-License-Identifier: GPL-3.0-or-later
// NameChoiceBox: a combo box of the statistics window and the print dialog that a screen reader
// reads by what it chooses, with its prompt or choice said once, as its value.
#pragma once

#include <QString>

class QComboBox;

// Names `box` by `name` for screen readers. Left unnamed, a combo box on the Linux desktop is
// named by its own text, so its prompt was said as its name, its value and the text in it.
void NameChoiceBox(QComboBox& box, const QString& name);
