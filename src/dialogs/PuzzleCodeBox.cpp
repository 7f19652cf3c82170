// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/PuzzleCodeBox.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "services/HelpViewer.h"
#include "ui/CodeText.h"
#include "ui/DialogLook.h"
#include "ui/Form.h"
#include "ui/SpokenLine.h"

namespace {

using ui::Kind;
// The two code fields are the Custom rows: line edits in the code's large face.
// clang-format off
constexpr ui::ControlRow kCodeTable[] = {
    {"CodeLabel", Kind::Label, {12, 10, 236, 16}, QT_TRANSLATE_NOOP("TPuzzleCodeBox", "&This puzzle's code:")},
    {"Code", Kind::Custom, {12, 28, 236, 28}},
    {"CopyButton", Kind::PushButton, {256, 29, 92, 26}, QT_TRANSLATE_NOOP("TPuzzleCodeBox", "&Copy")},
    {"EntryLabel", Kind::Label, {12, 66, 236, 16}, QT_TRANSLATE_NOOP("TPuzzleCodeBox", "Play a puzzle &by its code:")},
    {"Entry", Kind::Custom, {12, 84, 236, 28}},
    {"PlayButton", Kind::PushButton, {256, 85, 92, 26}, QT_TRANSLATE_NOOP("TPuzzleCodeBox", "&Play")},
    {"Message", Kind::Label, {12, 116, 336, 32}},
    {"CloseButton", Kind::PushButton, {256, 152, 92, 26}, QT_TRANSLATE_NOOP("TPuzzleCodeBox", "Close")},
};
// clang-format on

}  // namespace

TPuzzleCodeBox::TPuzzleCodeBox(QWidget* parent) : ui::FixedDialog(parent, tr("Puzzle Code"), {360, 188}) {
    setObjectName(QStringLiteral("PuzzleCodeBox"));
    setFont(ui::DialogFont(13, false));
    setProperty("helpContext", help::kClassroomTopic);
    ui::KeepLightFace(*this);

    ui::Form form(*this, "TPuzzleCodeBox");
    form.Build(kCodeTable, [](const ui::ControlRow&, const QString&, QWidget* parent) -> QWidget* {
        auto* field = new QLineEdit(parent);
        // Ten characters a pupil reads out: large, bold, well apart.
        QFont face = ui::DialogFont(17, true);
        face.setLetterSpacing(QFont::AbsoluteSpacing, 1.5);
        field->setFont(face);
        return field;
    });
    m_code = form.get<QLineEdit>("Code");
    m_code->setObjectName(QStringLiteral("Code"));
    m_code->setReadOnly(true);
    m_code->setPlaceholderText(tr("No puzzle yet"));
    m_code->setAccessibleName(tr("This puzzle's code"));
    m_entry = form.get<QLineEdit>("Entry");
    m_entry->setObjectName(QStringLiteral("Entry"));
    m_entry->setAccessibleName(tr("Code to play"));
    // An example code, greyed: it fits the field in its large type, where words before it would not.
    m_entry->setPlaceholderText(QStringLiteral("18C66-QR9HV"));
    // Room for a code with spaces or dashes between its characters, and a little more.
    m_entry->setMaxLength(40);
    form.get<QLabel>("CodeLabel")->setBuddy(m_code);
    form.get<QLabel>("EntryLabel")->setBuddy(m_entry);

    m_message = form.get<QLabel>("Message");
    m_message->setWordWrap(true);
    m_message->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_message->setFont(ui::DialogFont(12, false));
    m_spoken = new ui::TSpokenLine(this);

    m_copy = form.get<QPushButton>("CopyButton");
    m_play = form.get<QPushButton>("PlayButton");
    auto* close = form.get<QPushButton>("CloseButton");
    for (QPushButton* button : {m_copy, m_play, close}) {
        // Enter belongs to the field: it plays the code typed there, and only that.
        button->setAutoDefault(false);
        button->setDefault(false);
        ui::FitCaption(*button);
    }
    m_copy->setEnabled(false);
    m_play->setEnabled(false);
    connect(m_copy, &QPushButton::clicked, this, &TPuzzleCodeBox::CopyButtonClick);
    connect(m_play, &QPushButton::clicked, this, &TPuzzleCodeBox::PlayButtonClick);
    connect(close, &QPushButton::clicked, this, &QWidget::hide);
    connect(m_entry, &QLineEdit::textEdited, this, [this] { CheckEntry(true); });
    connect(m_entry, &QLineEdit::returnPressed, this, [this] { PlayEntry(true); });
}

void TPuzzleCodeBox::ShowCode(const QString& code) {
    m_code->setText(code);
    m_code->setCursorPosition(0);
    m_copy->setEnabled(!code.isEmpty());
}

QString TPuzzleCodeBox::Code() const {
    return m_code->text();
}

QString TPuzzleCodeBox::ProblemWords(const game::CodeReading& reading, bool typing) {
    switch (reading.problem) {
        case game::CodeProblem::None:
        case game::CodeProblem::Empty:
            return {};
        case game::CodeProblem::BadCharacter:
            return tr("Codes never contain \u201C%1\u201D: check that character.")
                .arg(QString::fromUcs4(&reading.character, 1));
        case game::CodeProblem::TooShort:
            return typing ? QString() : tr("This code is too short: a code has ten characters.");
        case game::CodeProblem::TooLong:
            return tr("This code is too long: a code has ten characters.");
        case game::CodeProblem::NewerFormat:
            return tr("This code is from a newer version of the game, or its first character is mistyped.");
        case game::CodeProblem::Mistyped:
            return tr("A character is mistyped or two are swapped: check the code against the paper.");
        case game::CodeProblem::NotAPuzzle:
            return tr("This code names no puzzle: check it against the paper.");
    }
    return {};
}

game::CodeReading TPuzzleCodeBox::CheckEntry(bool typing) {
    const game::CodeReading reading = ui::ReadCode(m_entry->text());
    m_play->setEnabled(reading.ok());
    if (!reading.ok()) {
        ShowMessage(ProblemWords(reading, typing));
        return reading;
    }
    const game::PuzzleRecipe& recipe = reading.recipe;
    ShowMessage((recipe.edgesShown ? tr("A puzzle of %1 vertices and %2 colors, edges shown. Press Play.")
                                 : tr("A puzzle of %1 vertices and %2 colors, edges hidden. Press Play."))
                    .arg(recipe.vertices)
                    .arg(recipe.colors));
    return reading;
}

void TPuzzleCodeBox::ShowMessage(const QString& words) {
    if (words == m_message->text())
        return;
    m_message->setText(words);
    // Read with the field whenever it is reached again, and said at once as it changes.
    m_entry->setAccessibleDescription(words);
    if (!words.isEmpty())
        m_spoken->Say(words);
}

void TPuzzleCodeBox::CopyButtonClick() {
    if (const QString copied = ui::CopyCode(Code()); !copied.isEmpty())
        m_spoken->Say(copied);
}

void TPuzzleCodeBox::PlayButtonClick() {
    PlayEntry(false);
}

void TPuzzleCodeBox::PlayEntry(bool byKey) {
    const game::CodeReading reading = CheckEntry(false);
    if (reading.ok())
        emit playAsked(reading.recipe, byKey);
}

void TPuzzleCodeBox::FirstShown() {
    m_entry->setFocus();
}
