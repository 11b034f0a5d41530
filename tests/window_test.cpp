// SPDX-FileCopyrightText: 2026 The TAVRIN OPS LIMITS developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Accessibility.h"
#include "Form.h"
#include "QuestionBank.h"
#include "TavrinOpsLimits.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QScopeGuard>
#include <QTest>
#include <QTimer>
#include <QTreeView>
#include <functional>
#include <memory>

namespace {

// Records each message box as "title|text", then presses OK from the box's own loop.
struct ModalCloser : QObject {
    ModalCloser() { qApp->installEventFilter(this); }
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* box = qobject_cast<QMessageBox*>(watched);
        if (box && event->type() == QEvent::Show) {
            boxes << box->windowTitle() + '|' + box->text();
            if (onShow)
                onShow();
            QAbstractButton* other = box->findChild<QAbstractButton*>("otherButton");
            boxes.back() += other ? "|" + other->text() : "";
            QAbstractButton* press = other && pressOther ? other : box->button(QMessageBox::Ok);
            QTimer::singleShot(0, box, [press] { press->click(); });
        }
        return false;
    }
    QStringList boxes;
    std::function<void()> onShow;
    bool pressOther = false; // a box's second button instead of OK
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
    // Labels, buttons and fields alike hold their caption in "text".
    QString caption(const QString& name) const {
        return find<QObject>(name)->property("text").toString();
    }
    // The test's elements are made when a test first needs them.
    bool shown(const QString& name) const {
        const auto* widget = window->findChild<QWidget*>(name);
        return widget && widget->isVisibleTo(window.get());
    }
    // What a screen reader says of an element: its accessible name.
    static QString spoken(QObject* object) {
        return QAccessible::queryAccessibleInterface(object)->text(QAccessible::Name);
    }

    // Offscreen, no window manager hands the activation back after a message
    // box; headless Weston (no input seat) never activates a window at all.
    // Helpers return false on failure, for the caller's QVERIFY to stop the test.
    [[nodiscard]] bool activate() {
        if (!QGuiApplication::platformName().startsWith(QLatin1String("wayland")) &&
            !window->isActiveWindow()) {
            window->activateWindow();
            return QTest::qWaitForWindowActive(window.get());
        }
        return true;
    }
    // Ctrl+key; where no key can arrive, the menu command it stands for.
    [[nodiscard]] bool press(Qt::Key key) {
        if (!activate())
            return false;
        if (window->isActiveWindow()) {
            QTest::keyClick(window.get(), key, Qt::ControlModifier);
            return true;
        }
        for (QAction* action : window->findChildren<QAction*>())
            if (action->shortcut() == QKeySequence(Qt::CTRL | key))
                return action->trigger(), true;
        return false;
    }
    // The elements the user can see, by name.
    QStringList visibleElements() const {
        QStringList names;
        for (const drill::ElementInfo& info : drill::kElements)
            if (shown(QString::fromLatin1(info.name)))
                names << QString::fromLatin1(info.name);
        return names;
    }

private slots:
    void init() {
        closer = std::make_unique<ModalCloser>();
        window = std::make_unique<TavrinOpsLimits>();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        QVERIFY(activate());
    }

    void cleanup() {
        window.reset();
        closer.reset();
    }

    // Keys go to whichever widget has the window's focus: no mouse at all.
    // After every step a screen reader is handed the new text: a new section's
    // title with its first question, then the question, then the answer.
    void wholeSequentialReviewByKeyboard() {
        if (!window->isActiveWindow())
            QSKIP("No key can reach a window that cannot become active (no input seat)");
        // A screen reader speaks the object that takes the focus (Qt tells it of
        // every focus change in the active window): after each step the focus
        // must have moved, to an object whose name is the step's new text.
        const auto keyMovesFocus = [&](Qt::Key k) {
            QWidget* before = window->focusWidget();
            if (!before)
                return false;
            QTest::keyClick(before, k);
            return window->focusWidget() != before;
        };
        QString atMessage;
        closer->onShow = [&] { atMessage = caption("lblAnswer") + caption("cmdSeq"); };
        QVERIFY(press(Qt::Key_S));
        QString title;
        for (int item = 1; item <= 204; ++item) {
            // The cards themselves are the drill test's; here, what is spoken.
            QVERIFY2(keyMovesFocus(item % 2 ? Qt::Key_Space : Qt::Key_Enter), "focus stayed");
            const QString spokenTitle =
                caption("lblTitle") == title ? "" : caption("lblTitle") + ". ";
            title = caption("lblTitle");
            QCOMPARE(spoken(window->focusWidget()), spokenTitle + caption("lblQuestion"));
            QVERIFY2(keyMovesFocus(item % 2 ? Qt::Key_Return : Qt::Key_Space), "focus stayed");
            QCOMPARE(spoken(window->focusWidget()), caption("lblAnswer"));
            // The faces actually installed, not the designed ones, must fit.
            for (const char* name : {"lblTitle", "lblQuestion", "lblAnswer", "cmdSeq"}) {
                const QWidget* element = find(name);
                QVERIFY2(QFontMetrics(element->font())
                                 .boundingRect(element->rect().adjusted(8, 0, -8, 0),
                                               Qt::TextWordWrap, caption(name))
                                 .height() <= element->height(),
                         qPrintable(caption(name)));
            }
            QCOMPARE(spoken(find("lblCounter")), QString::number(item) + " OF 204"); // as a whole
        }
        QCOMPARE(closer->boxes,
                 QStringList{"CONGRATULATIONS!|YOU HAVE REACHED THE END OF THE REVIEW"});
        QCOMPARE(atMessage, QString("Must be within MAC Max 15 - 30%RESET"));
        QVERIFY(activate());
        QVERIFY2(keyMovesFocus(Qt::Key_Return), "focus stayed");
        QCOMPARE(visibleElements(), QStringList{"Picture1"}); // as at start-up
        QCOMPARE(window->focusWidget(), find("Picture1"));    // it says what to do next
    }

    // The study commands by mouse and by keyboard: a mark by A and by a
    // click, what a screen reader is told, held keys that must not flip
    // cards, a shortcut over an open menu, the sections box by keys.
    void studyCommandsByMouseAndKeyboard() {
        if (!window->isActiveWindow())
            QSKIP("No key can reach a window that cannot become active (no input seat)");
        auto* again = find<QAbstractButton>("chkAgain");
        const auto key = [&](Qt::Key k, bool repeat = false) {
            const QString text = k == Qt::Key_Space ? " " : QString();
            QTest::simulateEvent(window->focusWidget(), true, k, Qt::NoModifier, text, repeat);
            QTest::simulateEvent(window->focusWidget(), false, k, Qt::NoModifier, text, repeat);
        };
        // Commands that cannot act are greyed; the box shows beside answers only.
        const auto state = [&] {
            return QStringList{caption("lblCounter"), caption("lblAnswer"), caption("lblMarked"),
                               QString::number(again->isVisible() ? 1 + again->isChecked() : 0),
                               QString::number(find<QAction>("Marked")->isEnabled() +
                                               2 * find<QAction>("ReviewAgain")->isEnabled())}
                .join('/');
        };
        QCOMPARE(state(), "///0/0");
        QVERIFY(press(Qt::Key_S));
        key(Qt::Key_Space);
        key(Qt::Key_A); // nothing to mark beside a question
        QCOMPARE(state(), "1///0/0");
        key(Qt::Key_Space);
        for (const Qt::Key held : {Qt::Key_Space, Qt::Key_Return})
            key(held, true); // a held key repeats: only its first press steps
        QCOMPARE(state(), "1/100C//1/2");
        // By key: the box takes the focus and says its state.
        key(Qt::Key_A);
        QCOMPARE(state(), "1/100C/1 TO REVIEW AGAIN/2/3");
        QCOMPARE(window->focusWidget(), again);
        QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(again);
        QCOMPARE(spoken->text(QAccessible::Name) + " / " + spoken->text(QAccessible::Description),
                 "REVIEW AGAIN / MARKED TO REVIEW AGAIN");
        QVERIFY(spoken->state().checked);
        // By mouse, then Space on the box it focused: a step, never an unmark.
        key(Qt::Key_Space);
        key(Qt::Key_Return);
        QTest::mouseClick(again, Qt::LeftButton);
        QCOMPARE(window->focusWidget(), again);
        key(Qt::Key_Space);
        QCOMPARE(state(), "3//2 TO REVIEW AGAIN/0/1");

        // A shortcut over an open menu runs its command and closes the menu.
        auto* order = find<QMenu>("Order");
        order->popup(window->mapToGlobal(QPoint(40, 40)));
        QVERIFY(QTest::qWaitForWindowExposed(order));
        QTest::keyClick(order, Qt::Key_M, Qt::ControlModifier);
        QTRY_VERIFY_WITH_TIMEOUT(!QApplication::activePopupWidget(), 2000);
        QCOMPARE(caption("lblCounter") + " " + caption("lblOf204"), "0 OF 2");
        QCOMPARE(window->focusWidget(), find("cmdRand"));

        // Sections by keyboard: None and Enter are refused in one sentence;
        // Space on the first box and Enter choose STARTING TIT alone; Escape
        // leaves the choice as it was.
        QStringList seen;
        for (const bool cancel : {false, true}) {
            QTimer::singleShot(0, this, [&] {
                QWidget* box = QApplication::activeModalWidget();
                auto* first = box->findChild<QCheckBox*>("section1");
                seen << QAccessible::queryAccessibleInterface(first)->text(QAccessible::Name);
                if (cancel)
                    return QTest::keyClick(box, Qt::Key_Escape);
                box->findChild<QPushButton*>("None")->click();
                QTest::keyClick(box->focusWidget(), Qt::Key_Return);
                auto* refusal = box->findChild<QLabel*>("refusal");
                seen << (refusal->isVisible() ? refusal->text() : QString());
                QTest::keyClick(first, Qt::Key_Space);
                QTest::keyClick(box->focusWidget(), Qt::Key_Return);
            });
            find<QAction>("Sections")->trigger();
            QVERIFY(activate());
            QVERIFY(press(Qt::Key_S));
            QCOMPARE(caption("lblOf204") + " " + caption("lblMarked"), "OF 10 2 TO REVIEW AGAIN");
        }
        QCOMPARE(seen, QStringList({"STARTING TIT (10)", "CHOOSE AT LEAST ONE SECTION TO REVIEW.",
                                    "STARTING TIT (10)"}));
        find<QAction>("ClearMarks")->trigger();
        QCOMPARE(state(), "0///0/0");
    }

    // Ctrl+L over a running review: every limit under its title, filtered as
    // the learner types; Escape returns to the review exactly as it was.
    void lookUpLeavesTheReviewAsItWas() {
        if (!window->isActiveWindow())
            QSKIP("No key can reach a window that cannot become active (no input seat)");
        const auto review = [this] {
            QStringList texts{window->focusWidget()->objectName()};
            for (const drill::ElementInfo& info : drill::kElements)
                if (window->findChild<QObject*>(QString::fromLatin1(info.name)))
                    texts << caption(QString::fromLatin1(info.name));
            return texts;
        };
        QVERIFY(press(Qt::Key_R));
        QTest::keyClick(window->focusWidget(), Qt::Key_Space);
        const QStringList before = review();
        QVERIFY(press(Qt::Key_L));
        auto* lookUp = window->findChild<QWidget*>("LookUpWindow");
        QVERIFY(lookUp && QTest::qWaitForWindowActive(lookUp));
        auto* search = lookUp->findChild<QLineEdit*>("txtSearch");
        QCOMPARE(lookUp->focusWidget(), search);
        // Each limit "title|question|answer" under its title, which spans the table.
        const auto* view = lookUp->findChild<QTreeView*>("tblLimits");
        const auto table = [view] {
            QStringList rows;
            const QAbstractItemModel* model = view->model();
            QString title;
            for (int row = 0; row < model->rowCount(); ++row) {
                if (view->isFirstColumnSpanned(row, QModelIndex()))
                    title = model->index(row, 0).data().toString();
                else
                    rows << title + "|" + model->index(row, 0).data().toString() + "|" +
                                model->index(row, 1).data().toString();
            }
            return rows;
        };
        // What a screen reader hears of a row: no tree's states, and the
        // section's title with its first limit shown.
        const auto heard = [view](int row) {
            QAccessibleInterface* cell =
                QAccessible::queryAccessibleInterface(const_cast<QTreeView*>(view))
                    ->tableInterface()
                    ->cellAt(row, 0);
            const QAccessible::State state = cell->state();
            return cell->text(QAccessible::Name) +
                   (state.expandable || state.expanded || state.collapsed ? " (a tree's state)"
                                                                          : "");
        };
        auto* shown = lookUp->findChild<QLabel*>("lblShown");
        const QStringList all = table();
        QCOMPARE(all.size() + 33, view->model()->rowCount());
        QCOMPARE(heard(1) + "/" + heard(2), "STARTING TIT. Max for Enrichment/Max Normal Start");
        QCOMPARE(shown->text(), "204 OF 204 LIMITS");
        QTest::keyClicks(search, "Tit start");
        QCOMPARE(table(), all.mid(0, 10));
        // Spoken as a notification as it changes, the focus staying in the field.
        QAccessibleInterface* line = QAccessible::queryAccessibleInterface(shown);
        QCOMPARE(line->role(), QAccessible::Notification);
        QCOMPARE(line->text(QAccessible::Name), "10 OF 204 LIMITS");
        search->setText("normal range");
        QCOMPARE(heard(1) + "/" + heard(3), "ENGINE OIL PRESSURE. Normal Range/"
                                            "GEARBOX OIL PRESSURE. Normal Range");
        search->setText("Tit start");
        QTest::keyClicks(search, " <b>");
        QCOMPARE(table().join("") + shown->text(), "NO LIMIT MATCHES \"Tit start <b>\".");
        QTest::keyClick(search, Qt::Key_Escape);
        QVERIFY(!lookUp->isVisible() && QTest::qWaitForWindowActive(window.get()));
        QCOMPARE(review(), before);
        QVERIFY(press(Qt::Key_L)); // the search is forgotten
        QCOMPARE(search->text() + shown->text(), "204 OF 204 LIMITS");
        lookUp->close();
    }

    // A short test of each form by keyboard and by mouse: the choices and the
    // field in their bands, keys that type rather than command, the verdicts
    // and what is spoken, the overrule, the end box and the misses' test.
    void gradedTestsByKeyboardAndMouse() {
        if (!window->isActiveWindow())
            QSKIP("No key can reach a window that cannot become active (no input seat)");
        const auto key = [&](Qt::Key k) { QTest::keyClick(window->focusWidget(), k); };
        const auto answer = [&] {
            return QString::fromLatin1(
                bank::GetAnswer(caption("txtQuestion").toStdString()).value_or("").data());
        };
        const QStringList choices{"cmdChoice1", "cmdChoice2", "cmdChoice3", "cmdChoice4"};
        // A choice draws its text right of its number (30 px) and short of
        // its frame; a label over its whole width.
        const auto fits = [&](const QString& name, const QString& text) {
            const QWidget* element = find(name);
            const QRect room = choices.contains(name) ? element->rect().adjusted(30, 0, -8, 0)
                                                      : element->contentsRect();
            return QFontMetrics(element->font())
                       .boundingRect(room, Qt::TextWordWrap, text)
                       .height() <= element->height();
        };
        // A new review or test empties the card, and what a screen reader
        // would read of it: no old "STARTING TIT. Max for Enrichment".
        QVERIFY(press(Qt::Key_S));
        key(Qt::Key_Space);
        QVERIFY(press(Qt::Key_R));
        QCOMPARE(spoken(find("lblQuestion")), "");
        key(Qt::Key_Space);
        key(Qt::Key_C);
        QCOMPARE(spoken(find("lblQuestion")), "");
        QCOMPARE(caption("cmdRand") + caption("lblScore"), "START0 RIGHT");
        for (const char* waits : {"LookUp", "Sections", "ClearMarks", "ReviewAgain"})
            QVERIFY2(!find<QAction>(waits)->isEnabled(), waits);
        int right = 0;
        for (int n = 1; n <= 6; ++n) {
            key(Qt::Key_Space);
            const QString question = caption("lblQuestion");
            QCOMPARE(
                visibleElements(),
                QStringList({"lblTitle", "lblQuestion", "lblAnswer", "lblCounter", "lblOf204",
                             "cmdChoice1", "cmdChoice2", "cmdChoice3", "cmdChoice4", "lblScore"}));
            key(Qt::Key_Space); // a test skips nothing
            QCOMPARE(caption("lblQuestion") + caption("lblAnswer"), question);
            int at = 0;
            for (int k = 0; k < 4; ++k) {
                const QWidget* choice = find(choices[k]);
                QVERIFY(fits(choices[k], caption(choices[k])));
                QVERIFY(choice->geometry().top() > find("lblQuestion")->geometry().bottom() &&
                        choice->geometry().bottom() < find("lblAnswer")->geometry().top());
                QCOMPARE(spoken(find(choices[k])), caption(choices[k]));
                at = caption(choices[k]) == answer() ? k : at;
            }
            // Odd questions missed by key, even ones right by mouse.
            if (n % 2) {
                key(Qt::Key(Qt::Key_1 + (at + 1) % 4)); // the button's shortcut clicks it animated
                QTRY_VERIFY(spoken(window->focusWidget())
                                .startsWith("WRONG. THE ANSWER IS " + answer() + ". YOU CHOSE "));
            } else {
                QTest::mouseClick(find(choices[at]), Qt::LeftButton, {}, QPoint(20, 10));
                QCOMPARE(spoken(window->focusWidget()), "RIGHT. THE ANSWER IS " + answer());
                ++right;
            }
            QCOMPARE(caption("lblAnswer"), answer());
            QCOMPARE(caption("lblScore"), QString::number(right) + " RIGHT");
            QVERIFY(fits("lblVerdict", caption("lblVerdict")));
        }

        // The written form, by keys alone: the commands' letters, digits,
        // "/" and Space type; Ctrl+Z undoes typing; Enter checks, once.
        key(Qt::Key_W);
        key(Qt::Key_Space);
        auto* field = find<QLineEdit>("txtAnswer");
        QCOMPARE(window->focusWidget(), field);
        QCOMPARE(caption("cmdRand"), "CHECK");
        const QString question = caption("lblQuestion");
        QTest::keyClicks(field, "cwa1/ o");
        QCOMPARE(field->text() + caption("lblQuestion") + caption("lblCounter"),
                 "cwa1/ o" + question + "1");
        QTest::keyClick(field, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(field->text() + caption("lblCounter"), "1");
        field->clear();
        key(Qt::Key_Return); // an empty field checks nothing
        QCOMPARE(caption("lblVerdict") + caption("lblCounter"), "1");
        // The answer's numbers with a word the rule cannot read: counted right by O.
        QTest::keyClicks(field, answer() + " roughly");
        key(Qt::Key_Return);
        QCOMPARE(caption("lblCounter") + caption("cmdRand"), "1NEXT QUESTION");
        QCOMPARE(spoken(window->focusWidget()),
                 "WRONG. THE ANSWER IS " + answer() + ". YOU WROTE " + answer() + " roughly");
        QVERIFY(shown("cmdCountRight") && !shown("txtAnswer"));
        QVERIFY(!find("lblVerdict")->geometry().intersects(find("cmdCountRight")->geometry()));
        key(Qt::Key_O);
        QTRY_COMPARE(caption("lblVerdict") + caption("lblScore"), "RIGHT1 RIGHT");
        QCOMPARE(spoken(window->focusWidget()), "RIGHT. THE ANSWER IS " + answer());

        // Reset ends the test, and the study commands are back. A whole
        // written test of GTC, one missed; the box's second button tests the miss.
        QVERIFY(press(Qt::Key_Z));
        QVERIFY(find<QAction>("Sections")->isEnabled());
        QTimer::singleShot(0, this, [&] {
            QWidget* box = QApplication::activeModalWidget();
            box->findChild<QPushButton*>("None")->click();
            box->findChild<QCheckBox*>("section32")->setChecked(true);
            QTest::keyClick(box->focusWidget(), Qt::Key_Return);
        });
        find<QAction>("Sections")->trigger();
        QVERIFY(activate());
        closer->pressOther = true;
        key(Qt::Key_W);
        for (int n = 1; n <= 4; ++n) {
            key(Qt::Key_Space);
            QTest::keyClicks(field, n == 2 ? QString("999") : answer());
            key(Qt::Key_Return);
        }
        QCOMPARE(closer->boxes.size(), 1);
        QVERIFY2(closer->boxes[0].endsWith("\nGTC: 3 OF 4 RIGHT|TEST THE MISSES"),
                 qPrintable(closer->boxes[0]));
        QCOMPARE(caption("lblOf204") + caption("cmdRand"), "OF 1START");
        QCOMPARE(window->focusWidget(), find("cmdRand"));
    }

    // Designed colours on a light window; at least 4.5:1 on a dark one, also
    // when the desktop switches theme while the program runs.
    void coloursReadOnLightAndDarkWindows() {
        // Read off the rendered label: its background and the pixel that stands
        // out most from it, the core of the glyphs.
        const auto backgroundAndText = [this](const char* name) {
            const QImage image = find(name)->grab().toImage();
            const QColor background = image.pixelColor(0, 0);
            QColor text = background;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    if (accessibility::Contrast(image.pixelColor(x, y), background) >
                        accessibility::Contrast(text, background))
                        text = image.pixelColor(x, y);
            return std::pair{background, text};
        };
        // The program's formula, against published ratios on white that pin each weight.
        for (const auto& [colour, ratio] : {std::pair{QColor(Qt::black), 2100},
                                            {QColor(0x767676), 454},
                                            {QColor(Qt::red), 400},
                                            {QColor(Qt::blue), 859}})
            QCOMPARE(qRound(accessibility::Contrast(colour, Qt::white) * 100), ratio);
        QVERIFY(press(Qt::Key_S));
        QTest::mouseClick(find("cmdSeq"), Qt::LeftButton);
        QTest::mouseClick(find("cmdSeq"), Qt::LeftButton);
        QCOMPARE(backgroundAndText("lblTitle").second, QColor(0, 0, 192));
        QCOMPARE(backgroundAndText("lblQuestion").second, QColor(0, 128, 0));
        QCOMPARE(backgroundAndText("lblAnswer").second, QColor(0, 128, 0));

        const QPalette light = QApplication::palette();
        QPalette dark = light;
        dark.setColor(QPalette::Window, QColor(50, 50, 50));
        dark.setColor(QPalette::WindowText, QColor(238, 238, 236));
        QApplication::setPalette(dark);
        QCoreApplication::processEvents();
        const auto restore = qScopeGuard([&] { QApplication::setPalette(light); });
        for (const char* name : {"lblTitle", "lblQuestion", "lblAnswer", "lblCounter"}) {
            const auto [background, text] = backgroundAndText(name);
            QCOMPARE(background, QColor(50, 50, 50));
            QVERIFY2(accessibility::Contrast(text, background) >= 4.5, name);
        }
    }

    // The window as it opens: its elements, pictures, what a screen reader
    // sees, the menus. (A whole random review, to its 204th draw: the page's.)
    void startUpLook() {
        QCOMPARE(visibleElements(), QStringList{"Picture1"});
        QCOMPARE(window->minimumSize(), window->maximumSize());
        // The built-in pixels are those of the picture's JPEG and the icon's PNG.
        QCOMPARE(find<QLabel>("Picture1")->pixmap().toImage(),
                 QImage(TAVRIN_RESOURCES "picture.jpg").convertToFormat(QImage::Format_RGB32));
        QCOMPARE(window->windowIcon().pixmap(32).toImage(),
                 QImage(TAVRIN_RESOURCES "tavrin-ops-limits-32.png")
                     .convertToFormat(QImage::Format_ARGB32_Premultiplied));
        // Screen readers see what matters: the counter speaks as a whole, what
        // only holds state is not exposed at all.
        QAccessibleInterface* client = QAccessible::queryAccessibleInterface(find("client"));
        QStringList exposed;
        for (int i = 0; i < client->childCount(); ++i)
            exposed << client->child(i)->object()->objectName();
        QCOMPARE(exposed, QStringList({"Picture1", "cmdRand", "cmdSeq", "lblCounter", "lblAnswer",
                                       "lblQuestion", "lblTitle", "chkAgain", "lblMarked"}));
        // The menus, their captions and their shortcuts.
        QStringList menus;
        for (QAction* action : window->findChildren<QAction*>()) {
            if (action->objectName().isEmpty() || action->isSeparator())
                continue;
            QStringList keys;
            for (const QKeySequence& key : action->shortcuts())
                keys << key.toString();
            menus << action->objectName() + "=" + action->text() + "=" + keys.join(',');
        }
        menus.sort();
        QCOMPARE(menus, QStringList({"About=About=", "ChooseTheAnswer=Choose The Answer=C",
                                     "ClearMarks=Clear Marks=", "Donate=Make A Donation=",
                                     "Exit=Exit    =Ctrl+Q", "FileReset=Reset=Ctrl+Z",
                                     "LookUp=Look Up\u2026=Ctrl+L", "Marked=Marked=Ctrl+M",
                                     "Random=Random=Ctrl+R", "ReviewAgain=Review Again=A,Ctrl+G",
                                     "Sections=Sections\u2026=", "Sequential=Sequential=Ctrl+S",
                                     "WriteTheAnswer=Write The Answer=W"}));
    }
};

QTEST_MAIN(WindowTest)
#include "window_test.moc"
