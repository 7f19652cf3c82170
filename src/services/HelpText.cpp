// SPDX-License-Identifier: GPL-3.0-or-later
#include "services/HelpText.h"

#include <QAccessibleWidget>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextLayout>

#include <algorithm>

namespace help {

namespace {

class TReadableText : public QAccessibleWidget, public QAccessibleTextInterface {
  public:
    explicit TReadableText(QTextEdit* page) : QAccessibleWidget(page, QAccessible::EditableText) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = true;
        state.editable = false;
        state.multiLine = true;
        state.selectableText = true;
        return state;
    }

    // The caret and the selection: one, the link Tab reached or what the player marked.
    void selection(int index, int* start, int* end) const override {
        const QTextCursor cursor = Page()->textCursor();
        *start = *end = 0;
        if (index == 0 && cursor.hasSelection()) {
            *start = cursor.selectionStart();
            *end = cursor.selectionEnd();
        }
    }
    int selectionCount() const override { return Page()->textCursor().hasSelection() ? 1 : 0; }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void removeSelection(int index) override {
        if (index != 0)
            return;
        QTextCursor cursor = Page()->textCursor();
        cursor.clearSelection();
        Page()->setTextCursor(cursor);
    }
    void setSelection(int index, int start, int end) override {
        if (index != 0)
            return;
        QTextCursor cursor = Page()->textCursor();
        cursor.setPosition(Clamped(start));
        cursor.setPosition(Clamped(end), QTextCursor::KeepAnchor);
        Page()->setTextCursor(cursor);
    }
    int cursorPosition() const override { return Page()->textCursor().position(); }
    void setCursorPosition(int position) override {
        QTextCursor cursor = Page()->textCursor();
        cursor.setPosition(Clamped(position));
        Page()->setTextCursor(cursor);
    }

    QString text(int start, int end) const override {
        QTextCursor cursor(Page()->document());
        cursor.setPosition(Clamped(start));
        cursor.setPosition(Clamped(end), QTextCursor::KeepAnchor);
        QString words = cursor.selectedText();
        words.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
        words.replace(QChar::LineSeparator, QLatin1Char('\n'));
        return words;
    }
    QString text(QAccessible::Text kind) const override { return QAccessibleWidget::text(kind); }
    int characterCount() const override { return Page()->document()->characterCount() - 1; }

    // Lines are the lines the page shows, wrapped as the window's width wraps them.
    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundary, int* start,
                         int* end) const override {
        if (boundary != QAccessible::LineBoundary)
            return QAccessibleTextInterface::textAtOffset(offset, boundary, start, end);
        LineAround(Clamped(offset), start, end);
        return text(*start, *end);
    }
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundary, int* start,
                             int* end) const override {
        if (boundary != QAccessible::LineBoundary)
            return QAccessibleTextInterface::textBeforeOffset(offset, boundary, start, end);
        LineAround(Clamped(offset), start, end);
        if (*start == 0) {
            *end = 0;
            return {};
        }
        return textAtOffset(*start - 1, boundary, start, end);
    }
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundary, int* start,
                            int* end) const override {
        if (boundary != QAccessible::LineBoundary)
            return QAccessibleTextInterface::textAfterOffset(offset, boundary, start, end);
        LineAround(Clamped(offset), start, end);
        if (*end >= characterCount()) {
            *start = *end = characterCount();
            return {};
        }
        return textAtOffset(*end, boundary, start, end);
    }

    QRect characterRect(int offset) const override {
        QTextCursor cursor(Page()->document());
        cursor.setPosition(Clamped(offset));
        QRect place = Page()->cursorRect(cursor);
        const QString letter = text(Clamped(offset), Clamped(offset + 1));
        place.setWidth(std::max(1, Page()->fontMetrics().horizontalAdvance(letter)));
        return place.translated(Page()->viewport()->mapToGlobal(QPoint(0, 0)));
    }
    int offsetAtPoint(const QPoint& point) const override {
        return Page()->cursorForPosition(Page()->viewport()->mapFromGlobal(point)).position();
    }
    // Brings the words into view without moving the caret.
    void scrollToSubstring(int start, int) override {
        QTextCursor cursor(Page()->document());
        cursor.setPosition(Clamped(start));
        const QRect place = Page()->cursorRect(cursor);
        if (!Page()->viewport()->rect().contains(place)) {
            QScrollBar* bar = Page()->verticalScrollBar();
            bar->setValue(bar->value() + place.top());
        }
    }
    QString attributes(int offset, int* start, int* end) const override {
        *start = 0;
        *end = characterCount();
        (void)offset;
        return {};
    }

  private:
    QTextEdit* Page() const { return static_cast<QTextEdit*>(widget()); }
    int Clamped(int offset) const { return std::clamp(offset, 0, characterCount()); }

    // The shown line holding `offset`, with the end of its paragraph where the line ends one.
    void LineAround(int offset, int* start, int* end) const {
        const QTextBlock block = Page()->document()->findBlock(offset);
        *start = block.position();
        *end = block.position() + block.length() - 1;
        if (const QTextLayout* layout = block.layout(); layout && layout->lineCount() > 0) {
            const QTextLine line = layout->lineForTextPosition(offset - block.position());
            if (line.isValid()) {
                *start = block.position() + line.textStart();
                if (line.lineNumber() + 1 < layout->lineCount())
                    *end = *start + line.textLength();
            }
        }
        if (*end < characterCount() && *end == block.position() + block.length() - 1)
            *end += 1;  // the paragraph's end belongs to its last line
    }
};

}  // namespace

QAccessibleInterface* ReadableText(QTextEdit* page) {
    return new TReadableText(page);
}

}  // namespace help
