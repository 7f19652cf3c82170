// SPDX-License-Identifier: GPL-3.0-or-later
#include "services/HelpViewer.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QEvent>
#include <QFocusEvent>
#include <QFile>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QShortcut>
#include <QTextBrowser>
#include <QTextCursor>
#include <QVBoxLayout>
#include <QVariant>
#include <QWidget>

#include "services/HelpText.h"
#include "services/Language.h"
#include "ui/DialogLook.h"
#include "ui/Modeless.h"

namespace help {

namespace {

constexpr const char* kPageRoot = "qrc:/help/";

struct Topic {
    int context;
    const char* page;
    const char* section = nullptr;  // a part of the page the topic opens at
};

constexpr Topic kTopics[] = {
    {kContents, "contents.html"},  {kPlayingTopic, "playing.html"},       {kSettingsTopic, "settings.html"},
    {kMakersTopic, "makers.html"}, {kStatisticsTopic, "statistics.html"}, {kClassroomTopic, "classroom.html"},
    {kReviewTopic, "playing.html", "review"},
};

bool IsKnownTopic(int context) {
    for (const Topic& topic : kTopics) {
        if (topic.context == context)
            return true;
    }
    return false;
}

QFont HelpFont() {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setFamilies({QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")});
    font.setPixelSize(14);
    return font;
}

// The help window: the topic pages in a browser with Contents, Back and Forward. It belongs to
// no other window, so it can sit beside the board while the player tries out what it says; it
// does not keep the game running once the board is closed.
// A screen reader meets the help as a window named by its title, not as a nameless filler.
// Its page is met as a text with a caret that the reader follows (see help::ReadableText).
QAccessibleInterface* MakeHelpWindowAccessible(const QString& className, QObject* object) {
    if (!object || !object->isWidgetType())
        return nullptr;
    if (className == QLatin1String("QTextBrowser") && object->objectName() == QLatin1String("HelpBrowser"))
        return ReadableText(static_cast<QTextBrowser*>(object));
    if (className != QLatin1String("QWidget") || object->objectName() != QLatin1String("HelpWindow"))
        return nullptr;
    return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
}

// The page of the help window. Tab goes on to the next link after the caret, as a reader moving
// down the page with the arrow keys expects, where Qt's own browser starts again at the top.
// The caret, two pixels wide, shows while the keys are in use: a click hides it again.
class HelpBrowser : public QTextBrowser {
  public:
    explicit HelpBrowser(QWidget* parent) : QTextBrowser(parent) { setCursorWidth(0); }

  protected:
    void focusInEvent(QFocusEvent* event) override {
        if (event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason ||
            event->reason() == Qt::ShortcutFocusReason)
            setCursorWidth(kCaretWidth);
        QTextBrowser::focusInEvent(event);
    }
    void keyPressEvent(QKeyEvent* event) override {
        setCursorWidth(kCaretWidth);
        QTextBrowser::keyPressEvent(event);
    }
    void mousePressEvent(QMouseEvent* event) override {
        setCursorWidth(0);
        QTextBrowser::mousePressEvent(event);
    }
    bool focusNextPrevChild(bool next) override {
        const QTextCursor caret = textCursor();
        const bool moved = NextLink(next);
        // Qt moves to a link without a word to the screen reader: it is told of the link's
        // words as the selection, and of the caret at its end.
        const QTextCursor now = textCursor();
        if (hasFocus() && now != caret && now.hasSelection()) {
            QAccessibleTextSelectionEvent selected(this, now.selectionStart(), now.selectionEnd());
            selected.setCursorPosition(now.position());
            QAccessible::updateAccessibility(&selected);
            QAccessibleTextCursorEvent caretMoved(this, now.position());
            QAccessible::updateAccessibility(&caretMoved);
        }
        return moved;
    }

  private:
    static constexpr int kCaretWidth = 2;
    bool NextLink(bool next) {
        const QTextCursor caret = textCursor();
        const int at = caret.position();
        const int last = document()->characterCount() - 1;
        if (caret.hasSelection() || (next ? at == 0 : at >= last))
            return QTextBrowser::focusNextPrevChild(next);
        // Qt looks for a link from the end (or the start) of the selection: one letter beside
        // the caret, taken away again when no link follows.
        QTextCursor from(document());
        from.setPosition(next ? at - 1 : at + 1);
        from.setPosition(at, QTextCursor::KeepAnchor);
        setTextCursor(from);
        const bool moved = QTextBrowser::focusNextPrevChild(next);
        if (!textCursor().hasSelection() || textCursor() == from || !hasFocus())
            setTextCursor(caret);
        return moved;
    }
};

class HelpWindow : public QWidget {
  public:
    HelpWindow() {
        static const bool known = [] {
            QAccessible::installFactory(&MakeHelpWindowAccessible);
            return true;
        }();
        (void)known;
        setObjectName(QStringLiteral("HelpWindow"));
        setAttribute(Qt::WA_QuitOnClose, false);
        setWindowTitle(QCoreApplication::translate("HelpWindow", "SpEcTrUmIx Help"));
        setFont(HelpFont());

        auto* contents = new QPushButton(QCoreApplication::translate("HelpWindow", "&Contents"), this);
        contents->setObjectName(QStringLiteral("ContentsButton"));
        m_back = new QPushButton(QCoreApplication::translate("HelpWindow", "< &Back"), this);
        m_back->setObjectName(QStringLiteral("BackButton"));
        m_forward = new QPushButton(QCoreApplication::translate("HelpWindow", "&Forward >"), this);
        m_forward->setObjectName(QStringLiteral("ForwardButton"));
        m_back->setEnabled(false);
        m_forward->setEnabled(false);

        m_browser = new HelpBrowser(this);
        m_browser->setObjectName(QStringLiteral("HelpBrowser"));
        m_browser->setOpenLinks(false);
        m_browser->setOpenExternalLinks(false);
        m_browser->document()->setDocumentMargin(12);
        // Read as a document: the arrow keys move a caret through the words and Tab selects the
        // next link, so a screen reader follows the caret and speaks the line or the link reached,
        // and a sighted player sees where the keys are.
        m_browser->setTextInteractionFlags(Qt::TextBrowserInteraction | Qt::TextSelectableByKeyboard);
        // Dark words on a white page whatever the desktop's palette: the pages' own colours
        // (headings, links, tips) are chosen for white.
        QPalette page = m_browser->palette();
        page.setColor(QPalette::Base, Qt::white);
        page.setColor(QPalette::Text, QColor(0x1a, 0x1a, 0x1a));
        m_browser->setPalette(page);

        auto* buttons = new QHBoxLayout;
        buttons->addWidget(contents);
        buttons->addWidget(m_back);
        buttons->addWidget(m_forward);
        buttons->addStretch(1);
        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(6, 6, 6, 6);
        layout->addLayout(buttons);
        layout->addWidget(m_browser, 1);

        connect(contents, &QPushButton::clicked, this, [this] { open(TopicUrl(kContents)); });
        connect(m_back, &QPushButton::clicked, m_browser, &QTextBrowser::backward);
        connect(m_forward, &QPushButton::clicked, m_browser, &QTextBrowser::forward);
        connect(m_browser, &QTextBrowser::backwardAvailable, m_back, &QPushButton::setEnabled);
        connect(m_browser, &QTextBrowser::forwardAvailable, m_forward, &QPushButton::setEnabled);
        connect(m_browser, &QTextBrowser::anchorClicked, this, &HelpWindow::follow);
        connect(m_browser, &QTextBrowser::sourceChanged, this, [this] {
            const QString title = m_browser->documentTitle();
            // The page is met by its title, as a reader names a document.
            m_browser->setAccessibleName(title);
            setWindowTitle(title.isEmpty()
                               ? QCoreApplication::translate("HelpWindow", "SpEcTrUmIx Help")
                               : QCoreApplication::translate("HelpWindow", "SpEcTrUmIx Help - ") + title);
        });
        auto* close = new QShortcut(QKeySequence(Qt::Key_Escape), this);
        connect(close, &QShortcut::activated, this, &QWidget::hide);

        // Fitted with room for the frame the game's other windows have, before it is first shown.
        resize(kDesignedSize);
        ui::FitOnScreen(*this, kDesignedSize);
        ui::CenterOnScreen(*this);
        // Where no other window showed the frame, the frame a window manager adds after the first
        // showing may push the title bar off the top or the bottom off the screen: made smaller
        // where it stands out (never larger), and centred by the frame, once.
        ui::WhenFramed(
            *this,
            [this] {
                ui::FitOnScreen(*this, size());
                ui::CenterOnScreen(*this);
            },
            false);
    }

    void open(const QUrl& url) {
        if (m_browser->source() != url)
            m_browser->setSource(url);
        if (isMinimized())
            showNormal();
        // The screen may have changed (another scale, another monitor) since the last opening.
        ui::FitOnScreen(*this, kDesignedSize);
        ui::ShowModeless(this);
    }

  private:
    // Room for a page and a half of text beside the board on the game's smallest screen.
    static constexpr QSize kDesignedSize{660, 560};
    // Only the help file's own pages are followed: the game never goes on the network.
    void follow(const QUrl& link) {
        const QUrl target = m_browser->source().resolved(link);
        if (target.scheme() == QLatin1String("qrc"))
            m_browser->setSource(target);
    }

    QTextBrowser* m_browser = nullptr;
    QPushButton* m_back = nullptr;
    QPushButton* m_forward = nullptr;
};

QPointer<HelpWindow> g_window;
Viewer* g_viewer = nullptr;

// The window is made at the first request and lives until the application goes down.
void DestroyHelpWindow() {
    delete g_window.data();
}

HelpWindow* TheHelpWindow() {
    if (!g_window && qApp) {
        g_window = new HelpWindow;
        qAddPostRoutine(DestroyHelpWindow);
    }
    return g_window;
}

void OpenInHelpWindow(int context) {
    if (HelpWindow* window = TheHelpWindow())
        window->open(TopicUrl(context));
}

class F1Filter : public QObject {
  public:
    explicit F1Filter(QObject* parent) : QObject(parent) { setObjectName(QStringLiteral("HelpF1Filter")); }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_F1 || key->modifiers() != Qt::NoModifier)
            return false;
        // A control, window or menu item without a topic of its own asks for nothing: the
        // end-of-game messages have no help, and F1 there must not pop the help up.
        if (!key->isAutoRepeat()) {
            if (const int context = ContextForF1(static_cast<QWidget*>(watched)))
                ShowTopic(context);
        }
        return true;
    }

  private:
    static int ContextForF1(QWidget* receiver) {
        if (const auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            if (QAction* item = menu->activeAction())
                return HelpContextOf(item);
        }
        QWidget* asker = QApplication::focusWidget();
        if (!asker)
            asker = QApplication::activeWindow();
        if (!asker)
            asker = receiver;
        return NearestHelpContext(asker);
    }
};

}  // namespace

// A page in the player's language where the help file has it, else the English one.
QUrl PageUrl(const char* page) {
    const QString code = language::Current();
    if (code != QLatin1String("en")) {
        const QString translated = code + QLatin1Char('/') + QLatin1String(page);
        if (QFile::exists(QStringLiteral(":/help/") + translated))
            return QUrl(QString::fromLatin1(kPageRoot) + translated);
    }
    return QUrl(QString::fromLatin1(kPageRoot) + QLatin1String(page));
}

QUrl TopicUrl(int context) {
    for (const Topic& topic : kTopics) {
        if (topic.context != context)
            continue;
        QUrl url = PageUrl(topic.page);
        if (topic.section)
            url.setFragment(QString::fromLatin1(topic.section));
        return url;
    }
    return TopicUrl(kContents);
}

QList<QUrl> AllPages() {
    QList<QUrl> pages;
    for (const Topic& topic : kTopics) {
        if (!topic.section)
            pages.append(TopicUrl(topic.context));
    }
    return pages;
}

void ShowContents() {
    if (g_viewer) {
        g_viewer->showContents();
    } else {
        OpenInHelpWindow(kContents);
    }
}

void ShowTopic(int context) {
    if (context == kContents || !IsKnownTopic(context)) {
        ShowContents();
    } else if (g_viewer) {
        g_viewer->showTopic(context);
    } else {
        OpenInHelpWindow(context);
    }
}

void SetViewer(Viewer* viewer) {
    g_viewer = viewer;
}

int HelpContextOf(QObject* object) {
    if (!object)
        return 0;
    const QVariant value = object->property("helpContext");
    return value.isValid() ? value.toInt() : 0;
}

int NearestHelpContext(QWidget* widget) {
    for (QWidget* w = widget; w; w = w->isWindow() ? nullptr : w->parentWidget()) {
        if (const int context = HelpContextOf(w))
            return context;
    }
    return 0;
}

void InstallF1Handler(QApplication& app) {
    if (app.findChild<QObject*>(QStringLiteral("HelpF1Filter"), Qt::FindDirectChildrenOnly))
        return;
    app.installEventFilter(new F1Filter(&app));
}

}  // namespace help
