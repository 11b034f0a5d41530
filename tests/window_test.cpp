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
#include <QSignalSpy>
#include <QTest>
#include <memory>

namespace {

const QStringList kVisibleElements{"lblTitle", "lblQuestion", "lblAnswer", "lblCounter",
                                   "lblOf204", "cmdSeq",      "cmdRand"};

QString Title(int item) {
    const auto title = bank::GetTitle(static_cast<std::int16_t>(item));
    return QString::fromLatin1(title->data(), static_cast<int>(title->size()));
}

QString Question(int item) {
    const auto text = bank::GetQuestion(std::to_string(item));
    return QString::fromLatin1(text->data(), static_cast<int>(text->size()));
}

QString Answer(int item) {
    const auto text = bank::GetAnswer(std::to_string(item));
    return QString::fromLatin1(text->data(), static_cast<int>(text->size()));
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

private:
    std::unique_ptr<TavrinOpsLimits> window;
    std::unique_ptr<ModalCloser> closer;

    template <class T> T* find(const QString& name) const {
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
    bool shown(const QString& name) const { return find<QWidget>(name)->isVisibleTo(window.get()); }
    QAction* action(const QString& name) const { return find<QAction>(name); }
    // The offscreen platform has no window manager to hand the activation back
    // after a message box closes; do its job before a shortcut.
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
    QPushButton* reviewButton() const {
        if (shown("cmdSeq"))
            return find<QPushButton>("cmdSeq");
        return shown("cmdRand") ? find<QPushButton>("cmdRand") : nullptr;
    }
    int selectedRows() const {
        return static_cast<int>(find<QListWidget>("RandomList")->selectedItems().size());
    }

    // Everything the user sees, plus the hidden state.
    QStringList snapshot() const {
        QStringList s;
        for (const char* name : {"lblTitle", "lblQuestion", "lblAnswer", "lblCounter", "lblOf204",
                                 "cmdSeq", "cmdRand", "txtSQA", "txtQuestion", "txtCounter"})
            s << QString("%1=%2/%3").arg(name, caption(name)).arg(shown(name));
        s << QString("Picture1/%1").arg(shown("Picture1"));
        s << QString("rows=%1").arg(selectedRows());
        return s;
    }

    void expectIdle() {
        QVERIFY(shown("Picture1"));
        for (const QString& name : kVisibleElements)
            QVERIFY2(!shown(name), qPrintable(name));
    }

    // Steps a review with `step` up to its end message and checks every
    // question and answer against the bank; returns the items presented.
    QList<int> runReview(const std::function<void()>& step) {
        QList<int> presented;
        QString answerWhenBoxOpened;
        QString captionWhenBoxOpened;
        closer->onShow = [&] {
            answerWhenBoxOpened = caption("lblAnswer");
            captionWhenBoxOpened = reviewButton()->text();
        };
        int clicks = 0;
        while (closer->boxes.isEmpty() && clicks < 1000 && !QTest::currentTestFailed()) {
            const QString before = reviewButton()->text();
            step();
            ++clicks;
            const int item = caption("txtQuestion").toInt();
            if (before == "START" || before == "NEXT QUESTION") {
                presented << item;
                if (caption("lblTitle") != Title(item) ||
                    caption("lblQuestion") != Question(item) || !caption("lblAnswer").isEmpty() ||
                    caption("lblCounter").toInt() != presented.size()) {
                    qWarning() << "question step" << clicks << snapshot();
                    return {};
                }
            } else if (caption("lblAnswer") != Answer(item)) {
                qWarning() << "answer step" << clicks << snapshot();
                return {};
            }
        }
        closer->onShow = nullptr;
        if (clicks != 408 || answerWhenBoxOpened != Answer(presented.value(203)) ||
            captionWhenBoxOpened != "RESET")
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
        expectIdle();
        QCOMPARE(caption("txtSQA"), QString("S Q A"));
        QCOMPARE(caption("txtQuestion"), QString("Q #"));
        QCOMPARE(caption("txtCounter"), QString("Count"));
        QCOMPARE(caption("lblCounter"), QString());
        QCOMPARE(caption("lblOf204"), QString("OF 204"));
        auto* list = find<QListWidget>("RandomList");
        QCOMPARE(list->count(), 205);
        for (int row = 0; row < 205; ++row)
            QCOMPARE(list->item(row)->text(), QString::number(row));
        QCOMPARE(selectedRows(), 0);
        const QPixmap picture = find<QLabel>("Picture1")->pixmap();
        QCOMPARE(picture.size(), QSize(479, 282));
    }

    void elementsSitWhereDesigned_data() {
        QTest::addColumn<QRect>("rect");
        // In creation order; the full-width elements are one pixel wider than the client.
        QTest::newRow("Picture1") << QRect(0, 0, 481, 257);
        QTest::newRow("RandomList") << QRect(496, 0, 25, 251);
        QTest::newRow("cmdRand") << QRect(0, 104, 481, 54);
        QTest::newRow("txtSQA") << QRect(184, 240, 41, 19);
        QTest::newRow("txtQuestion") << QRect(136, 240, 41, 19);
        QTest::newRow("txtCounter") << QRect(88, 240, 41, 19);
        QTest::newRow("cmdSeq") << QRect(0, 104, 481, 54);
        QTest::newRow("lblOf204") << QRect(32, 240, 49, 17);
        QTest::newRow("lblCounter") << QRect(0, 240, 25, 17);
        QTest::newRow("lblAnswer") << QRect(0, 192, 481, 41);
        QTest::newRow("lblQuestion") << QRect(0, 56, 481, 41);
        QTest::newRow("lblTitle") << QRect(0, 0, 481, 33);
    }

    void elementsSitWhereDesigned() {
        QFETCH(QRect, rect);
        const QString name = QTest::currentDataTag();
        QCOMPARE(find<QWidget>(name)->geometry(), rect);
        QCOMPARE(find<QWidget>(name)->parentWidget(), window->centralWidget());

        static const QStringList order{"Picture1",    "RandomList", "cmdRand",     "txtSQA",
                                       "txtQuestion", "txtCounter", "cmdSeq",      "lblOf204",
                                       "lblCounter",  "lblAnswer",  "lblQuestion", "lblTitle"};
        QStringList created;
        for (QObject* child : window->centralWidget()->children())
            created << child->objectName();
        QCOMPARE(created, order);
    }

    void windowHasAFixedClientArea() {
        QCOMPARE(window->centralWidget()->size(), QSize(480, 257));
        QCOMPARE(window->size(), QSize(480, 257 + window->menuBar()->height()));
        QCOMPARE(window->minimumSize(), window->maximumSize());
        const Qt::WindowFlags flags = window->windowFlags();
        QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
        QVERIFY(flags & Qt::WindowCloseButtonHint);
    }

    void stateHoldersCanNeverBeSeenOrEdited() {
        for (const char* name : {"txtSQA", "txtQuestion", "txtCounter"}) {
            auto* field = find<QLineEdit>(name);
            QVERIFY(field->isReadOnly());
            QCOMPARE(field->focusPolicy(), Qt::NoFocus);
        }
        QCOMPARE(find<QListWidget>("RandomList")->focusPolicy(), Qt::NoFocus);
        press(Qt::Key_R);
        for (int i = 0; i < 7; ++i)
            QTest::mouseClick(reviewButton(), Qt::LeftButton);
        for (const char* name : {"txtSQA", "txtQuestion", "txtCounter", "RandomList"})
            QVERIFY2(!shown(name), name);
        // Tab never lands on a hidden holder.
        for (int i = 0; i < 6; ++i) {
            QTest::keyClick(window.get(), Qt::Key_Tab);
            QWidget* focus = QApplication::focusWidget();
            QVERIFY(!focus || focus->isVisible());
        }
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
        const QStringList expected{
            "File|File",
            "  FileReset|Reset|Ctrl+Z",
            "  break2|-|",
            "  Exit|Exit    |Ctrl+Q",
            "BeginReview|Begin Review",
            "  Order|Order",
            "    Sequential|Sequential|Ctrl+S",
            "    break3|-|",
            "    Random|Random|Ctrl+R",
            "Help|Help",
            "  Donate|Make A Donation|",
            "  break1|-|",
            "  About|About|",
        };
        QCOMPARE(tree, expected);
        for (QAction* a : window->findChildren<QAction*>())
            QVERIFY2(!a->text().contains('&'), qPrintable(a->text()));
    }

    void wholeSequentialReviewByMouse() {
        press(Qt::Key_S);
        QVERIFY(!shown("Picture1"));
        QCOMPARE(caption("cmdSeq"), QString("START"));
        QCOMPARE(caption("lblCounter"), QString("0"));
        const QList<int> presented =
            runReview([&] { QTest::mouseClick(find<QPushButton>("cmdSeq"), Qt::LeftButton); });
        QCOMPARE(presented.size(), 204);
        for (int i = 0; i < 204; ++i)
            QCOMPARE(presented[i], i + 1);
        QCOMPARE(closer->boxes.size(), 1);
        QCOMPARE(closer->boxes[0].text, QString("YOU HAVE REACHED THE END OF THE REVIEW"));
        QCOMPARE(closer->boxes[0].title, QString("CONGRATULATIONS!"));
        QCOMPARE(closer->boxes[0].icon, QMessageBox::Information);
        QCOMPARE(closer->boxes[0].buttons, 1);
        QVERIFY(closer->boxes[0].modal);

        QTest::mouseClick(find<QPushButton>("cmdSeq"), Qt::LeftButton);
        expectIdle();
    }

    void wholeSequentialReviewByKeyboard() {
        // Keys go to whichever widget has the window's keyboard focus.
        const auto key = [&](Qt::Key k) {
            QWidget* focus = window->focusWidget();
            if (!focus)
                QTest::qFail("nothing has the keyboard focus", __FILE__, __LINE__);
            else
                QTest::keyClick(focus, k);
        };
        press(Qt::Key_S);
        QCOMPARE(window->focusWidget(), find<QWidget>("cmdSeq"));
        const QList<int> presented = runReview([&] { key(Qt::Key_Space); });
        QCOMPARE(presented.size(), 204);
        activate();
        QCOMPARE(window->focusWidget(), find<QWidget>("cmdSeq"));
        key(Qt::Key_Return);
        expectIdle();
        QVERIFY(window->focusWidget() == nullptr || window->focusWidget()->isVisible());

        // And the next review starts from the keyboard again.
        press(Qt::Key_R);
        QCOMPARE(window->focusWidget(), find<QWidget>("cmdRand"));
        key(Qt::Key_Space);
        QCOMPARE(caption("cmdRand"), QString("ANSWER"));
    }

    void wholeRandomReviewThroughTheShortcut() {
        press(Qt::Key_R);
        QCOMPARE(caption("cmdRand"), QString("START"));
        QCOMPARE(caption("txtQuestion"), QString("0"));
        QVERIFY(!shown("cmdSeq"));
        const QList<int> presented =
            runReview([&] { QTest::mouseClick(find<QPushButton>("cmdRand"), Qt::LeftButton); });
        QCOMPARE(presented.size(), 204);
        QCOMPARE(QSet<int>(presented.begin(), presented.end()).size(), 204);
        QCOMPARE(selectedRows(), 204);
        QTest::mouseClick(find<QPushButton>("cmdRand"), Qt::LeftButton);
        expectIdle();
        QCOMPARE(selectedRows(), 0);
    }

    void shortcutsWorkFromAnyState_data() {
        QTest::addColumn<QString>("order"); // review running before the shortcut
        QTest::addColumn<int>("clicks");
        QTest::newRow("idle") << QString() << 0;
        QTest::newRow("sequential ready") << "S" << 0;
        QTest::newRow("sequential question") << "S" << 3;
        QTest::newRow("sequential answer") << "S" << 4;
        QTest::newRow("sequential finished") << "S" << 408;
        QTest::newRow("random question") << "R" << 1;
        QTest::newRow("random finished") << "R" << 408;
    }

    void shortcutsWorkFromAnyState() {
        QFETCH(QString, order);
        QFETCH(int, clicks);
        const auto reach = [&] {
            if (order.isEmpty())
                return;
            press(order == "S" ? Qt::Key_S : Qt::Key_R);
            for (int i = 0; i < clicks; ++i)
                QTest::mouseClick(reviewButton(), Qt::LeftButton);
        };

        reach();
        press(Qt::Key_S);
        QVERIFY(shown("cmdSeq") && !shown("cmdRand"));
        QCOMPARE(caption("cmdSeq"), QString("START"));
        QCOMPARE(caption("txtQuestion"), QString("1"));

        reach();
        press(Qt::Key_R);
        QVERIFY(shown("cmdRand") && !shown("cmdSeq"));
        QCOMPARE(caption("cmdRand"), QString("START"));
        QCOMPARE(selectedRows(), 0);

        reach();
        press(Qt::Key_Z);
        expectIdle();
        QCOMPARE(caption("txtSQA"), QString("0"));
    }

    void aboutInTheMiddleOfAReviewChangesNothing() {
        press(Qt::Key_R);
        for (int i = 0; i < 5; ++i)
            QTest::mouseClick(reviewButton(), Qt::LeftButton);
        const QStringList before = snapshot();
        action("About")->trigger();
        QCOMPARE(snapshot(), before);
        QCOMPARE(closer->boxes.size(), 1);
        const ModalCloser::Box box = closer->boxes[0];
        QCOMPARE(box.text.split('\n'),
                 QStringList({"CREATED BY:", TAVRIN_AUTHOR_NAME, "DATA CURRENT AS OF MARCH 2006",
                              TAVRIN_AUTHOR_CONTACT}));
        QVERIFY(!box.text.endsWith('\n'));
        QVERIFY(!box.text.contains('\r'));
        QCOMPARE(box.icon, QMessageBox::Information);
        QCOMPARE(box.buttons, 1);
        QVERIFY(box.modal);
        QVERIFY(box.title.isEmpty() || box.title == "TAVRIN OPS LIMITS");
    }

    void donateHandsTheAddressToTheDesktop() {
        UrlCatcher catcher;
        QDesktopServices::setUrlHandler("https", &catcher, "open");
        press(Qt::Key_S);
        QTest::mouseClick(reviewButton(), Qt::LeftButton);
        const QStringList before = snapshot();
        action("Donate")->trigger();
        QDesktopServices::unsetUrlHandler("https");
        QCOMPARE(catcher.urls, QList<QUrl>{QUrl(TAVRIN_DONATION_URL)});
        QCOMPARE(catcher.urls[0].scheme(), QString("https"));
        QCOMPARE(snapshot(), before);
        QVERIFY(closer->boxes.isEmpty());
    }

    void exitEndsTheEventLoopAtOnce() {
        press(Qt::Key_S);
        QTest::mouseClick(reviewButton(), Qt::LeftButton);
        bool timedOut = false;
        QTimer::singleShot(0, window.get(), [&] { press(Qt::Key_Q); });
        QTimer::singleShot(5000, [&] {
            timedOut = true;
            QApplication::exit(1);
        });
        QCOMPARE(QApplication::exec(), 0);
        QVERIFY(!timedOut);
        QVERIFY(closer->boxes.isEmpty());
    }

    void textsFitTheirElements() {
        const auto* button = find<QPushButton>("cmdSeq");
        const QFontMetrics buttonMetrics(button->font());
        for (const char* text : {"START", "ANSWER", "NEXT QUESTION", "RESET"})
            QVERIFY2(buttonMetrics.horizontalAdvance(text) <= button->width() - 16, text);
        QVERIFY(buttonMetrics.capHeight() < button->height() - 8);

        const auto* title = find<QLabel>("lblTitle");
        for (const bank::SectionRange& section : bank::kSections) {
            const QString text = QString::fromLatin1(section.title.data(), section.title.size());
            QVERIFY2(QFontMetrics(title->font()).horizontalAdvance(text) <= title->width(),
                     qPrintable(text));
        }
        const auto* question = find<QLabel>("lblQuestion");
        const QFontMetrics textMetrics(question->font());
        for (int item = 1; item <= 204; ++item) {
            for (const QString& text : {Question(item), Answer(item)}) {
                const QRect needed = textMetrics.boundingRect(
                    question->rect(), Qt::AlignCenter | Qt::TextWordWrap, text);
                QVERIFY2(needed.height() <= question->height(), qPrintable(text));
            }
        }
        QVERIFY(QFontMetrics(find<QLabel>("lblCounter")->font()).horizontalAdvance("204") <= 25);
    }

    void screenReadersHearWhatIsShown() {
        const auto accessible = [&](const char* name) {
            return QAccessible::queryAccessibleInterface(find<QWidget>(name));
        };
        QAccessibleInterface* picture = accessible("Picture1");
        QVERIFY(picture);
        QCOMPARE(picture->text(QAccessible::Name), QString("TAVRIN OPS LIMITS"));
        QVERIFY(!picture->text(QAccessible::Description).isEmpty());

        press(Qt::Key_S);
        for (int i = 0; i < 24; ++i) // item 12, answer shown
            QTest::mouseClick(reviewButton(), Qt::LeftButton);
        const std::pair<const char*, QAccessible::Role> roles[] = {
            {"lblTitle", QAccessible::StaticText},  {"lblQuestion", QAccessible::StaticText},
            {"lblAnswer", QAccessible::StaticText}, {"lblCounter", QAccessible::StaticText},
            {"cmdSeq", QAccessible::Button},
        };
        for (const auto& [name, role] : roles) {
            QAccessibleInterface* element = accessible(name);
            QVERIFY2(element, name);
            QCOMPARE(element->role(), role);
            QVERIFY2(!element->state().invisible, name);
        }
        QCOMPARE(accessible("lblTitle")->text(QAccessible::Name), QString("ENGINE TIT"));
        QCOMPARE(accessible("lblQuestion")->text(QAccessible::Name), QString("Takeoff Range"));
        QCOMPARE(accessible("lblAnswer")->text(QAccessible::Name), QString("961C - 977C"));
        QCOMPARE(accessible("lblCounter")->text(QAccessible::Name), QString("12 OF 204"));
        QCOMPARE(accessible("cmdSeq")->text(QAccessible::Name), QString("NEXT QUESTION"));
        QVERIFY(accessible("cmdRand")->state().invisible);

        press(Qt::Key_Z);
        QVERIFY(accessible("lblCounter")->state().invisible);
        QCOMPARE(accessible("lblCounter")->text(QAccessible::Name), QString());
    }

    void labelsShowMarkupCharactersAsText() {
        // Item 199's answer starts with '<': it must not vanish as a tag.
        press(Qt::Key_S);
        find<QLineEdit>("txtQuestion")->setText("199");
        QTest::mouseClick(reviewButton(), Qt::LeftButton);
        QTest::mouseClick(reviewButton(), Qt::LeftButton);
        QCOMPARE(caption("lblAnswer"), QString("<3.1 inches Hg"));
        QCOMPARE(find<QLabel>("lblAnswer")->textFormat(), Qt::PlainText);
    }

    // Thousands of commands and clicks in any order; after each the window
    // must still be in a state that a review can be in.
    void randomisedEventsKeepTheInvariants() {
        QRandomGenerator random(20061206);
        enum Mode { Idle, Sequential, Random } mode = Idle;
        QSet<int> asked;
        for (int event = 0; event < 3000; ++event) {
            const int kind = random.bounded(100);
            const QString captionBefore = reviewButton() ? reviewButton()->text() : QString();
            if (kind < 4) {
                press(Qt::Key_S);
                mode = Sequential;
            } else if (kind < 8) {
                press(Qt::Key_R);
                mode = Random;
                asked.clear();
            } else if (kind < 10) {
                press(Qt::Key_Z);
                mode = Idle;
            } else if (kind < 11) {
                action("About")->trigger();
            } else if (kind < 12) {
                UrlCatcher catcher;
                QDesktopServices::setUrlHandler("https", &catcher, "open");
                action("Donate")->trigger();
                QDesktopServices::unsetUrlHandler("https");
            } else if (QPushButton* button = reviewButton()) {
                QTest::mouseClick(button, Qt::LeftButton);
                if (captionBefore == "RESET")
                    mode = Idle;
            } else {
                QTest::mouseClick(find<QWidget>("Picture1"), Qt::LeftButton);
            }

            const bool seq = shown("cmdSeq");
            const bool rand = shown("cmdRand");
            QVERIFY(!(seq && rand));
            QCOMPARE(shown("Picture1"), mode == Idle);
            QCOMPARE(seq, mode == Sequential);
            QCOMPARE(rand, mode == Random);
            const QString counter = caption("lblCounter");
            if (mode == Sequential && counter != "0")
                QCOMPARE(counter, caption("txtQuestion"));
            if (mode == Random) {
                QCOMPARE(counter, caption("txtCounter"));
                QCOMPARE(selectedRows(), counter.toInt());
                const bool newQuestion =
                    captionBefore == "START" || captionBefore == "NEXT QUESTION";
                if (newQuestion && kind >= 12) {
                    const int item = caption("txtQuestion").toInt();
                    QVERIFY2(!asked.contains(item), "an item came twice in one random review");
                    asked.insert(item);
                }
            }
        }
    }
};

QTEST_MAIN(WindowTest)
#include "window_test.moc"
