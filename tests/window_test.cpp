#include "BuildConfig.h"
#include "ModalCloser.h"
#include "QuestionBank.h"
#include "Tables.h"
#include "TavrinOpsLimits.h"

#include <QAccessible>
#include <QDesktopServices>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSet>
#include <QTest>
#include <memory>

namespace {

QString Text(std::optional<std::string_view> text) {
    return QString::fromLatin1(text->data(), static_cast<qsizetype>(text->size()));
}
QString Title(int item) {
    return Text(bank::GetTitle(static_cast<std::int16_t>(item)));
}
QString Question(int item) {
    return Text(bank::GetQuestion(std::to_string(item)));
}
QString Answer(int item) {
    return Text(bank::GetAnswer(std::to_string(item)));
}

// Receives the addresses that QDesktopServices would hand to the desktop.
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl& url) { urls.append(url); }
};

} // namespace

class WindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<ModalCloser> closer;
    std::unique_ptr<TavrinOpsLimits> window;

    template <class T = QWidget> T* find(const QString& name) const {
        T* child = window->findChild<T*>(name);
        if (!child)
            qFatal("no element %s", qPrintable(name));
        return child;
    }
    QString caption(const QString& name) const {
        if (auto* label = window->findChild<QLabel*>(name))
            return label->text();
        if (auto* button = window->findChild<QPushButton*>(name))
            return button->text();
        return find<QLineEdit>(name)->text();
    }
    bool shown(const QString& name) const { return find(name)->isVisibleTo(window.get()); }
    int asked() const { return int(find<QListWidget>("RandomList")->selectedItems().size()); }
    QPushButton* reviewButton() const {
        return shown("cmdSeq")    ? find<QPushButton>("cmdSeq")
               : shown("cmdRand") ? find<QPushButton>("cmdRand")
                                  : nullptr;
    }
    void click() { QTest::mouseClick(reviewButton(), Qt::LeftButton); }

    // The offscreen platform has no window manager to hand the activation back
    // after a message box closes; do its job before a key goes to the window.
    void activate() {
        if (!window->isActiveWindow()) {
            window->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(window.get()));
        }
    }
    void press(Qt::Key key) {
        activate();
        QTest::keyClick(window.get(), key, Qt::ControlModifier);
    }

    // Everything the user sees, plus the hidden state.
    QStringList snapshot() const {
        QStringList s{QString("Picture1/%1 asked=%2").arg(shown("Picture1")).arg(asked())};
        for (const char* name : {"lblTitle", "lblQuestion", "lblAnswer", "lblCounter", "lblOf204",
                                 "cmdSeq", "cmdRand", "txtSQA", "txtQuestion", "txtCounter"})
            s << QString("%1=%2/%3").arg(name, caption(name)).arg(shown(name));
        return s;
    }

    bool idle() const {
        for (const char* name : {"lblTitle", "lblQuestion", "lblAnswer", "lblCounter", "lblOf204",
                                 "cmdSeq", "cmdRand"})
            if (shown(name))
                return false;
        return shown("Picture1") && asked() == 0;
    }

    // Steps a review with `step` up to its end message, checking what every
    // step shows against the bank; returns the items in the order presented.
    QList<int> runReview(const std::function<void()>& step) {
        QList<int> presented;
        QString answerAtMessage, captionAtMessage;
        closer->onShow = [&] {
            answerAtMessage = caption("lblAnswer");
            captionAtMessage = reviewButton()->text();
        };
        for (int clicks = 0; closer->boxes.isEmpty(); ++clicks) {
            const bool question = reviewButton()->text() != "ANSWER";
            step();
            const int item = caption("txtQuestion").toInt();
            if (question)
                presented << item;
            const bool ok = question ? caption("lblTitle") == Title(item) &&
                                           caption("lblQuestion") == Question(item) &&
                                           caption("lblAnswer").isEmpty() &&
                                           caption("lblCounter").toInt() == presented.size()
                                     : caption("lblAnswer") == Answer(item);
            if (!ok || clicks > 408 || QTest::currentTestFailed()) {
                qWarning() << "step" << clicks << snapshot();
                return {};
            }
        }
        closer->onShow = nullptr;
        if (answerAtMessage != Answer(presented.value(203)) || captionAtMessage != "RESET")
            return {};
        return presented;
    }

private slots:
    void init() {
        closer = std::make_unique<ModalCloser>();
        window = std::make_unique<TavrinOpsLimits>();
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }

    void cleanup() {
        window.reset();
        closer.reset();
    }

    void startUpShowsOnlyThePicture() {
        QCOMPARE(window->windowTitle(), QString("TAVRIN OPS LIMITS"));
        QVERIFY(!window->windowIcon().isNull());
        QVERIFY(idle());
        QCOMPARE(caption("txtSQA") + caption("txtQuestion") + caption("txtCounter"),
                 QString("S Q AQ #Count"));
        QCOMPARE(caption("lblCounter"), QString());
        QCOMPARE(caption("lblOf204"), QString("OF 204"));
        auto* list = find<QListWidget>("RandomList");
        QCOMPARE(list->count(), 205);
        QCOMPARE(list->item(204)->text(), QString("204"));
        QCOMPARE(find<QLabel>("Picture1")->pixmap().size(), QSize(479, 282));
    }

    void elementsSitWhereDesignedInCreationOrder() {
        const QList<std::pair<QString, QRect>> design{
            {"Picture1", {0, 0, 481, 257}},      {"RandomList", {496, 0, 25, 251}},
            {"cmdRand", {0, 104, 481, 54}},      {"txtSQA", {184, 240, 41, 19}},
            {"txtQuestion", {136, 240, 41, 19}}, {"txtCounter", {88, 240, 41, 19}},
            {"cmdSeq", {0, 104, 481, 54}},       {"lblOf204", {32, 240, 49, 17}},
            {"lblCounter", {0, 240, 25, 17}},    {"lblAnswer", {0, 192, 481, 41}},
            {"lblQuestion", {0, 56, 481, 41}},   {"lblTitle", {0, 0, 481, 33}},
        };
        const QObjectList created = window->centralWidget()->children();
        QCOMPARE(created.size(), design.size());
        for (int i = 0; i < design.size(); ++i) {
            QCOMPARE(created[i]->objectName(), design[i].first);
            QCOMPARE(find(design[i].first)->geometry(), design[i].second);
        }
        QCOMPARE(window->centralWidget()->size(), QSize(480, 257));
        QCOMPARE(window->size(), QSize(480, 257 + window->menuBar()->height()));
        QCOMPARE(window->minimumSize(), window->maximumSize());
        const Qt::WindowFlags flags = window->windowFlags();
        QVERIFY(!(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        QVERIFY(flags & Qt::WindowCloseButtonHint);
    }

    void menusMatchTheDesign() {
        QStringList tree;
        const std::function<void(QMenu*, QString)> walk = [&](QMenu* menu, const QString& indent) {
            tree << indent + menu->objectName() + "|" + menu->title();
            for (QAction* a : menu->actions()) {
                if (a->menu())
                    walk(a->menu(), indent + "  ");
                else
                    tree << indent + "  " + a->objectName() + "|" +
                                (a->isSeparator() ? "-" : a->text()) + "|" +
                                a->shortcut().toString();
            }
        };
        for (QAction* top : window->menuBar()->actions())
            walk(top->menu(), "");
        QCOMPARE(tree, QStringList({"File|File", "  FileReset|Reset|Ctrl+Z", "  break2|-|",
                                    "  Exit|Exit    |Ctrl+Q", "BeginReview|Begin Review",
                                    "  Order|Order", "    Sequential|Sequential|Ctrl+S",
                                    "    break3|-|", "    Random|Random|Ctrl+R", "Help|Help",
                                    "  Donate|Make A Donation|", "  break1|-|", "  About|About|"}));
    }

    // Keys go to whichever widget has the window's focus: no mouse at all.
    void wholeSequentialReviewByKeyboard() {
        const auto key = [&](Qt::Key k) {
            if (QWidget* focus = window->focusWidget())
                QTest::keyClick(focus, k);
            else
                QTest::qFail("nothing has the keyboard focus", __FILE__, __LINE__);
        };
        press(Qt::Key_S);
        QCOMPARE(caption("cmdSeq"), QString("START"));
        QCOMPARE(caption("lblCounter"), QString("0"));
        const QList<int> presented = runReview([&] { key(Qt::Key_Space); });
        QCOMPARE(presented.size(), 204);
        for (int i = 0; i < 204; ++i)
            QCOMPARE(presented[i], i + 1);
        QCOMPARE(closer->boxes.size(), 1);
        const ModalCloser::Box box = closer->boxes[0];
        QCOMPARE(box.text, QString("YOU HAVE REACHED THE END OF THE REVIEW"));
        QCOMPARE(box.title, QString("CONGRATULATIONS!"));
        QVERIFY(box.icon == QMessageBox::Information && box.buttons == 1 && box.modal);

        activate();
        key(Qt::Key_Return);
        QVERIFY(idle());
        QVERIFY(!window->focusWidget() || window->focusWidget()->isVisible());
        press(Qt::Key_R);
        key(Qt::Key_Space);
        QCOMPARE(caption("cmdRand"), QString("ANSWER"));
    }

    void wholeRandomReviewByMouse() {
        press(Qt::Key_R);
        QCOMPARE(caption("txtQuestion"), QString("0"));
        QVERIFY(!shown("cmdSeq"));
        const QList<int> presented = runReview([&] { click(); });
        QCOMPARE(QSet<int>(presented.begin(), presented.end()).size(), 204);
        QCOMPARE(asked(), 204);
        click();
        QVERIFY(idle());
    }

    void hiddenStateIsNeverShownFocusedOrEdited() {
        press(Qt::Key_R);
        for (int i = 0; i < 7; ++i)
            click();
        for (const char* name : {"txtSQA", "txtQuestion", "txtCounter", "RandomList"}) {
            QVERIFY2(!shown(name) && find(name)->focusPolicy() == Qt::NoFocus, name);
        }
        QVERIFY(find<QLineEdit>("txtSQA")->isReadOnly());
        for (int i = 0; i < 4; ++i) {
            QTest::keyClick(window.get(), Qt::Key_Tab);
            QVERIFY(!window->focusWidget() || window->focusWidget()->isVisible());
        }
    }

    void aboutInTheMiddleOfAReviewChangesNothing() {
        press(Qt::Key_R);
        for (int i = 0; i < 5; ++i)
            click();
        const QStringList before = snapshot();
        find<QAction>("About")->trigger();
        QCOMPARE(snapshot(), before);
        QCOMPARE(closer->boxes.size(), 1);
        const ModalCloser::Box box = closer->boxes[0];
        QCOMPARE(box.text, QString("CREATED BY:\n" TAVRIN_AUTHOR_NAME
                                   "\nDATA CURRENT AS OF MARCH 2006\n" TAVRIN_AUTHOR_CONTACT));
        QVERIFY(box.icon == QMessageBox::Information && box.buttons == 1 && box.modal);
        QVERIFY(box.title.isEmpty() || box.title == "TAVRIN OPS LIMITS");
    }

    void donateHandsTheAddressToTheDesktop() {
        UrlCatcher catcher;
        QDesktopServices::setUrlHandler("https", &catcher, "open");
        press(Qt::Key_S);
        click();
        const QStringList before = snapshot();
        find<QAction>("Donate")->trigger();
        QDesktopServices::unsetUrlHandler("https");
        QCOMPARE(catcher.urls, QList<QUrl>{QUrl(TAVRIN_DONATION_URL)});
        QCOMPARE(catcher.urls[0].scheme(), QString("https"));
        QCOMPARE(snapshot(), before);
        QVERIFY(closer->boxes.isEmpty());
    }

    void exitEndsTheEventLoopAtOnce() {
        press(Qt::Key_S);
        click();
        QTimer::singleShot(0, window.get(), [&] { press(Qt::Key_Q); });
        QTimer::singleShot(5000, [] { QApplication::exit(1); });
        QCOMPARE(QApplication::exec(), 0);
        QVERIFY(closer->boxes.isEmpty());
    }

    void textsFitTheirElements() {
        const auto* button = find<QPushButton>("cmdSeq");
        const QFontMetrics buttonMetrics(button->font());
        QVERIFY(buttonMetrics.horizontalAdvance("NEXT QUESTION") <= button->width() - 16);
        QVERIFY(buttonMetrics.capHeight() < button->height() - 8);
        const auto* title = find<QLabel>("lblTitle");
        for (const bank::SectionRange& section : bank::kSections)
            QVERIFY(QFontMetrics(title->font()).horizontalAdvance(Text(section.title)) <=
                    title->width());
        const auto* label = find<QLabel>("lblQuestion");
        for (int item = 1; item <= 204; ++item) {
            for (const QString& text : {Question(item), Answer(item)}) {
                const QRect needed =
                    QFontMetrics(label->font()).boundingRect(label->rect(), Qt::TextWordWrap, text);
                QVERIFY2(needed.height() <= label->height(), qPrintable(text));
            }
        }
        // Item 199's answer starts with '<' and must not be taken for markup.
        QCOMPARE(find<QLabel>("lblAnswer")->textFormat(), Qt::PlainText);
    }

    void screenReadersHearWhatIsShown() {
        const auto name = [&](const char* element) {
            return QAccessible::queryAccessibleInterface(find(element))->text(QAccessible::Name);
        };
        QCOMPARE(name("Picture1"), QString("TAVRIN OPS LIMITS"));
        press(Qt::Key_S);
        for (int i = 0; i < 24; ++i) // item 12, answer shown
            click();
        QCOMPARE(name("lblTitle"), QString("ENGINE TIT"));
        QCOMPARE(name("lblQuestion"), QString("Takeoff Range"));
        QCOMPARE(name("lblAnswer"), QString("961C - 977C"));
        QCOMPARE(name("lblCounter"), QString("12 OF 204"));
        QCOMPARE(name("cmdSeq"), QString("NEXT QUESTION"));
        QCOMPARE(QAccessible::queryAccessibleInterface(find("cmdSeq"))->role(),
                 QAccessible::Button);
        QVERIFY(QAccessible::queryAccessibleInterface(find("cmdRand"))->state().invisible);
        press(Qt::Key_Z);
        QCOMPARE(name("lblCounter"), QString());
    }

    // Thousands of commands and clicks in any order; after each the window
    // must still be in a state that a review can be in.
    void randomisedEventsKeepTheInvariants() {
        QRandomGenerator random(20061206);
        enum { Idle, Sequential, Random } mode = Idle;
        QSet<int> seen;
        UrlCatcher catcher;
        QDesktopServices::setUrlHandler("https", &catcher, "open");
        for (int event = 0; event < 3000; ++event) {
            const int kind = random.bounded(100);
            const QString before = reviewButton() ? reviewButton()->text() : QString();
            if (kind < 4) {
                press(Qt::Key_S), mode = Sequential;
            } else if (kind < 8) {
                press(Qt::Key_R), mode = Random, seen.clear();
            } else if (kind < 10) {
                press(Qt::Key_Z), mode = Idle;
            } else if (kind < 11) {
                find<QAction>("About")->trigger();
            } else if (kind < 12) {
                find<QAction>("Donate")->trigger();
            } else if (reviewButton()) {
                click();
                if (before == "RESET")
                    mode = Idle;
            } else {
                QTest::mouseClick(find("Picture1"), Qt::LeftButton);
            }

            QCOMPARE(shown("Picture1"), mode == Idle);
            QCOMPARE(shown("cmdSeq"), mode == Sequential);
            QCOMPARE(shown("cmdRand"), mode == Random);
            const QString counter = caption("lblCounter");
            if (mode == Sequential && counter != "0")
                QCOMPARE(counter, caption("txtQuestion"));
            if (mode == Random) {
                QCOMPARE(counter, caption("txtCounter"));
                QCOMPARE(asked(), counter.toInt());
                if (kind >= 12 && (before == "START" || before == "NEXT QUESTION")) {
                    const int item = caption("txtQuestion").toInt();
                    QVERIFY2(!seen.contains(item), "an item came twice in one random review");
                    seen.insert(item);
                }
            }
        }
        QDesktopServices::unsetUrlHandler("https");
    }
};

QTEST_MAIN(WindowTest)
#include "window_test.moc"
