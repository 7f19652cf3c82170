// SPDX-License-Identifier: GPL-3.0-or-later
#include "services/HelpViewer.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QShortcut>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <QVariant>
#include <QWidget>

#include "services/Language.h"
#include "ui/DialogLook.h"
#include "ui/Modeless.h"

namespace help {

namespace {

constexpr const char* kPageRoot = "qrc:/help/";

struct Topic {
    int context;
    const char* page;
};

constexpr Topic kTopics[] = {
    {kContents, "contents.html"},  {kPlayingTopic, "playing.html"},       {kSettingsTopic, "settings.html"},
    {kMakersTopic, "makers.html"}, {kStatisticsTopic, "statistics.html"},
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
QAccessibleInterface* MakeHelpWindowAccessible(const QString& className, QObject* object) {
    if (className != QLatin1String("QWidget") || !object || !object->isWidgetType() ||
        object->objectName() != QLatin1String("HelpWindow"))
        return nullptr;
    return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
}

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

        m_browser = new QTextBrowser(this);
        m_browser->setObjectName(QStringLiteral("HelpBrowser"));
        m_browser->setOpenLinks(false);
        m_browser->setOpenExternalLinks(false);
        m_browser->document()->setDocumentMargin(12);
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
        if (topic.context == context)
            return PageUrl(topic.page);
    }
    return TopicUrl(kContents);
}

QList<QUrl> AllPages() {
    QList<QUrl> pages;
    for (const Topic& topic : kTopics) pages.append(TopicUrl(topic.context));
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
