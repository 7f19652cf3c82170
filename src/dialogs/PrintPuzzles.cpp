// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/PrintPuzzles.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QVBoxLayout>

#include "engine/Random.h"
#include "engine/Settings.h"
#include "ui/DialogLook.h"
#include "ui/Modeless.h"
#include "ui/NamedChoiceBox.h"

namespace {

// A choice list of counts, "Random" first where the game may draw the count.
QComboBox* Counts(QWidget* parent, int least, int most, bool random) {
    auto* box = new QComboBox(parent);
    if (random)
        box->addItem(TPrintPuzzlesDlg::tr("Random"), 0);
    for (int count = least; count <= most; ++count) box->addItem(QString::number(count), count);
    return box;
}

void Choose(QComboBox& box, int count) {
    if (const int at = box.findData(count); at >= 0)
        box.setCurrentIndex(at);
}

QLabel* Label(const QString& text, QWidget* buddy, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setBuddy(buddy);
    return label;
}

}  // namespace

TPrintPuzzlesDlg::TPrintPuzzlesDlg(const game::Game& game, QWidget* parent) : QDialog(parent), m_game(game) {
    setObjectName("PrintPuzzlesDlg");
    setWindowTitle(tr("Print Puzzles"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFont(ui::DialogFont(13, false));
    ui::KeepLightFace(*this);

    m_count = new QSpinBox(this);
    m_count->setObjectName("PuzzleCount");
    // A sheet as the command line makes it by default, until the board offers its own shape.
    const services::WorksheetRequest start;
    m_count->setRange(1, services::kMostWorksheetPuzzles);
    m_count->setValue(start.puzzles);
    m_count->setAccessibleName(tr("Puzzles"));
    m_perPage = new QComboBox(this);
    m_perPage->setObjectName("PerPage");
    for (const int perPage : services::kWorksheetPerPage)
        m_perPage->addItem(QString::number(perPage), perPage);
    Choose(*m_perPage, start.perPage);
    NameChoiceBox(*m_perPage, tr("Puzzles a page"));
    m_vertices = Counts(this, game::kMinVertices, game::kMaxVertices, true);
    m_vertices->setObjectName("Vertices");
    NameChoiceBox(*m_vertices, tr("Vertices"));
    m_colors = Counts(this, game::kMinColors, game::kMaxColors, true);
    m_colors->setObjectName("Colours");
    NameChoiceBox(*m_colors, tr("Colors"));
    m_answers = new QCheckBox(tr("With &answer pages"), this);
    m_answers->setObjectName("AnswerPages");
    m_answers->setAccessibleDescription(
        tr("After the puzzles, each puzzle again with every vertex in its "
           "color and its color's number."));

    auto* form = new QFormLayout;
    form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    form->addRow(Label(tr("&Puzzles:"), m_count, this), m_count);
    form->addRow(Label(tr("Puzzles a pa&ge:"), m_perPage, this), m_perPage);
    form->addRow(Label(tr("&Vertices:"), m_vertices, this), m_vertices);
    form->addRow(Label(tr("&Colors:"), m_colors, this), m_colors);
    form->addRow(m_answers);

    // What the sheet does with large puzzles, said where the teacher chooses how many a page.
    m_fewerNote = new QLabel(this);
    m_fewerNote->setObjectName("FewerAPageNote");
    m_fewerNote->setWordWrap(true);
    form->addRow(m_fewerNote);
    connect(m_perPage, &QComboBox::currentIndexChanged, this, &TPrintPuzzlesDlg::ShowFewerNote);
    connect(m_vertices, &QComboBox::currentIndexChanged, this, &TPrintPuzzlesDlg::ShowFewerNote);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* print = buttons->addButton(tr("P&rint..."), QDialogButtonBox::AcceptRole);
    print->setObjectName("PrintButton");
    print->setDefault(true);
    QPushButton* cancel = buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole);
    cancel->setObjectName("CancelButton");
    connect(buttons, &QDialogButtonBox::accepted, this, &TPrintPuzzlesDlg::PrintClick);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::hide);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addSpacing(6);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    Offer(start.vertices, start.colors, start.edgeProbability);
    ShowFewerNote();
}

void TPrintPuzzlesDlg::ShowFewerNote() {
    const int perPage = m_perPage->currentData().toInt();
    const int vertices = m_vertices->currentData().toInt();
    const int largest = services::MostVerticesFor(perPage);
    // Random sizes reach the largest puzzles; a chosen size only its own.
    const bool fewer = vertices > 0 ? services::MostPerPageFor(vertices) < perPage : largest < game::kMaxVertices;
    m_fewerNote->setText(tr("Puzzles of more than %n vertices are printed fewer a page, so that no edge "
                            "passes under a vertex.",
                            nullptr, largest));
    // A few lines of a set width: a window of fixed size leaves a wrapped label no room to grow.
    const int width = m_fewerNote->fontMetrics().averageCharWidth() * 40;
    m_fewerNote->setFixedSize(width, m_fewerNote->heightForWidth(width));
    m_fewerNote->setVisible(fewer);
}

TPrintPuzzlesDlg::~TPrintPuzzlesDlg() {
    // The preview paints on the printer: it goes first.
    delete m_preview;
}

void TPrintPuzzlesDlg::Offer(int vertices, int colors, int edgeProbability) {
    Choose(*m_vertices, vertices);
    Choose(*m_colors, colors);
    m_edgeProbability = edgeProbability;
}

services::WorksheetRequest TPrintPuzzlesDlg::Request() const {
    services::WorksheetRequest request;
    request.puzzles = m_count->value();
    request.perPage = m_perPage->currentData().toInt();
    request.vertices = m_vertices->currentData().toInt();
    request.colors = m_colors->currentData().toInt();
    request.edgeProbability = m_edgeProbability;
    request.answers = m_answers->isChecked();
    return request;
}

void TPrintPuzzlesDlg::PrintClick() {
    const services::WorksheetRequest request = Request();
    m_puzzles = services::WorksheetPuzzles(request, m_game.ClockReading());
    hide();
    delete m_preview;
    if (!m_printer) {
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        m_printer->setPageLayout(services::WorksheetPageLayout());
    }
    m_printer->setDocName(services::WorksheetTitle());
    auto* preview = new QPrintPreviewDialog(m_printer.get(), parentWidget());
    m_preview = preview;
    preview->setObjectName("PrintPreview");
    preview->setAttribute(Qt::WA_DeleteOnClose);
    preview->setWindowTitle(tr("Print Puzzles"));
    // Large enough for a whole page and the preview's whole tool bar, at any scale.
    if (const QScreen* screen = (parentWidget() ? parentWidget() : this)->screen())
        preview->resize(screen->availableGeometry().size() * 0.85);
    const std::vector<game::PuzzleRecipe> puzzles = m_puzzles;
    connect(preview, &QPrintPreviewDialog::paintRequested, preview, [puzzles, request](QPrinter* printer) {
        services::DrawWorksheet(*printer, puzzles, request.perPage, request.answers);
    });
    ui::ShowModeless(preview);
}
