// SPDX-License-Identifier: GPL-3.0-or-later
// help::ReadableText: the help page as a screen reader reads it, a text with a caret.
#pragma once

class QAccessibleInterface;
class QTextEdit;

namespace help {

// The accessible face of the help window's page: read-only, many-lined text whose caret and
// selection are the browser's own, with the lines as the page shows them. Qt's own face for a
// text browser is a label without text or caret, so a screen reader cannot follow the arrow
// keys or the Tab from link to link there.
QAccessibleInterface* ReadableText(QTextEdit* page);

}  // namespace help
