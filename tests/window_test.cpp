// SPDX-FileCopyrightText: 2026 The TAVRIN OPS LIMITS developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ModalCloser.h"
#include "QuestionBank.h"
#include "Tables.h"
#include "TavrinOpsLimits.h"

#include <QAccessible>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTest>
#include <memory>

namespace {

QString Text(std::optional<std::string_view> text) {
    return QString::fromLatin1(text->data(), static_cast<qsizetype>(text->size()));
}

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
    QString caption(const QString& name) const { return find(name)->property("text").toString(); }
    bool shown(const QString& name) const { return find(name)->isVisibleTo(window.get()); }
    int asked() const { return int(find<QListWidget>("RandomList")->selectedItems().size()); }
    QPushButton* reviewButton() const {
        for (const char* name : {"cmdSeq", "cmdRand"})
            if (shown(name))
                return find<QPushButton>(name);
        return nullptr;
    }

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
    QString snapshot() const {
        QString s = QString("asked=%1").arg(asked());
        for (const char* name : {"Picture1", "lblTitle", "lblQuestion", "lblAnswer", "lblCounter",
                                 "cmdSeq", "cmdRand", "txtSQA", "txtQuestion", "txtCounter"})
            s += QString(" %1=%2/%3").arg(name, caption(name)).arg(shown(name));
        return s;
    }

private slots:
    void init() {
        closer = std::make_unique<ModalCloser>();
        window = std::make_unique<TavrinOpsLimits>();
        window->show();
        activate();
    }

    void cleanup() {
        window.reset();
        closer.reset();
    }

    void startUpShowsOnlyThePicture() {
        QCOMPARE(window->windowTitle(), QString("TAVRIN OPS LIMITS"));
        QCOMPARE(snapshot(), QString("asked=0 Picture1=/1 lblTitle=/0 lblQuestion=/0 lblAnswer=/0 "
                                     "lblCounter=/0 cmdSeq=/0 cmdRand=/0 txtSQA=S Q A/0 "
                                     "txtQuestion=Q #/0 txtCounter=Count/0"));
        QCOMPARE(find<QListWidget>("RandomList")->count(), 205);
        QCOMPARE(find<QLabel>("Picture1")->pixmap().size(), QSize(479, 282));
        QCOMPARE(window->minimumSize(), window->maximumSize());
    }

    // Keys go to whichever widget has the window's focus: no mouse at all.
    void wholeSequentialReviewByKeyboard() {
        const auto key = [&](Qt::Key k) {
            QVERIFY2(window->focusWidget(), "nothing has the keyboard focus");
            QTest::keyClick(window->focusWidget(), k);
        };
        QString atMessage;
        closer->onShow = [&] { atMessage = caption("lblAnswer") + caption("cmdSeq"); };
        press(Qt::Key_S);
        for (int item = 1; item <= 204; ++item) {
            const std::string number = std::to_string(item);
            key(Qt::Key_Space);
            QCOMPARE(caption("lblTitle"), Text(bank::GetTitle(std::int16_t(item))));
            QCOMPARE(caption("lblQuestion") + caption("lblAnswer") + "/" + caption("lblCounter"),
                     Text(bank::GetQuestion(number)) + "/" + QString::number(item));
            key(Qt::Key_Space);
            QCOMPARE(caption("lblAnswer"), Text(bank::GetAnswer(number)));
        }
        QCOMPARE(closer->texts, QStringList{"YOU HAVE REACHED THE END OF THE REVIEW"});
        QCOMPARE(closer->titles, QStringList{"CONGRATULATIONS!"});
        QCOMPARE(atMessage, QString("Must be within MAC Max 15 - 30%RESET"));
        activate();
        key(Qt::Key_Return);
        QVERIFY(shown("Picture1") && !reviewButton());
    }

    // The faces actually installed, not the designed ones, must fit.
    void textsFitTheirElements() {
        const auto* button = find<QPushButton>("cmdSeq");
        QVERIFY(QFontMetrics(button->font()).horizontalAdvance("NEXT QUESTION") <=
                button->width() - 16);
        const auto* title = find<QLabel>("lblTitle");
        for (const bank::SectionRange& section : bank::kSections)
            QVERIFY(QFontMetrics(title->font()).horizontalAdvance(Text(section.title)) <=
                    title->width());
        const auto* label = find<QLabel>("lblQuestion");
        for (const bank::BankItem& item : bank::kItems) {
            for (const QString& text : {Text(item.question), Text(item.answer)})
                QVERIFY2(QFontMetrics(label->font())
                                 .boundingRect(label->rect(), Qt::TextWordWrap, text)
                                 .height() <= label->height(),
                         qPrintable(text));
        }
        // Item 199's answer starts with '<' and must not be taken for markup.
        QCOMPARE(find<QLabel>("lblAnswer")->textFormat(), Qt::PlainText);
    }

    void screenReadersHearTheCounterAsAWhole() {
        const auto name = [&](const char* element) {
            return QAccessible::queryAccessibleInterface(find(element))->text(QAccessible::Name);
        };
        press(Qt::Key_S);
        for (int i = 0; i < 24; ++i) // item 12, answer shown
            QTest::mouseClick(reviewButton(), Qt::LeftButton);
        QCOMPARE(name("lblCounter"), QString("12 OF 204"));
        QCOMPARE(name("cmdSeq"), QString("NEXT QUESTION"));
        press(Qt::Key_Z);
        QCOMPARE(name("lblCounter"), QString());
    }

    // Thousands of commands and clicks in any order, shortcuts included;
    // after each the window must be in a state that a review can be in.
    void randomisedEventsKeepTheInvariants() {
        QRandomGenerator random(20061206);
        enum { Idle, Sequential, Random } mode = Idle;
        for (int event = 0; event < 3000; ++event) {
            const int kind = random.bounded(100);
            if (kind < 4) {
                press(Qt::Key_S), mode = Sequential;
            } else if (kind < 8) {
                press(Qt::Key_R), mode = Random;
            } else if (kind < 10) {
                press(Qt::Key_Z), mode = Idle;
            } else if (QPushButton* button = reviewButton()) {
                if (button->text() == "RESET")
                    mode = Idle;
                QTest::mouseClick(button, Qt::LeftButton);
            }
            QCOMPARE(shown("Picture1"), mode == Idle);
            QCOMPARE(shown("cmdSeq"), mode == Sequential);
            QCOMPARE(shown("cmdRand"), mode == Random);
            QVERIFY(!shown("txtSQA") && !shown("RandomList"));
            const QString counter = caption("lblCounter");
            if (mode == Sequential && counter != "0")
                QCOMPARE(counter, caption("txtQuestion"));
            if (mode == Random) {
                QCOMPARE(counter, caption("txtCounter"));
                QCOMPARE(asked(), counter.toInt()); // one flag per item shown: none twice
            }
        }
    }
};

QTEST_MAIN(WindowTest)
#include "window_test.moc"
