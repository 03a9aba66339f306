// SPDX-License-Identifier: GPL-3.0-or-later
// The whole window against the scorer: generated hands (melds, dora, boxes,
// house rules) entered as a person enters them, with real presses, drags and
// releases on the window and its call dialogs; 計算 pressed; the result dialog
// or message box read whole and compared with what tenho-score answers for
// the same options. Runs on the minimal platform for its real drags (see
// tests/CMakeLists.txt).
#include "app/score_cli.h"
#include "hand_generator.h"
#include "scoring/qt/han_number_dialog.h"
#include "shell/qt/form_option_dialog.h"
#include "widget_test_support.h"

#include <QAction>
#include <QCheckBox>
#include <QDrag>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QWindow>
#include <algorithm>
#include <sstream>

using namespace tenho;
using namespace tenho::testing;

namespace {

constexpr int kHands = 300;

QString qs(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The result dialog as the player reads it, in the scorer's terms.
struct Shown {
    bool isDialog = false;
    QString text;  // the message, or the labels one after another
};

QString labels(const HAN_number& d)
{
    QString s;
    for (std::string_view label :
         {d.Label1.view(), d.Label2.view(), d.Label3.view(), d.Label4.view(), d.Label5.view()})
        s += qs(label).replace(QStringLiteral("\r\n"), QStringLiteral("\n")) + u'|';
    s += QString::number(d.Label4FontSize) + u'|' +
         (d.Label5Visible ? QStringLiteral("fu") : QStringLiteral("no fu"));
    return s;
}

QString labels(QWidget* dialog)
{
    QString s;
    for (const char* name : {"Label1", "Label2", "Label3", "Label4", "Label5"})
        s += dialog->findChild<QLabel*>(QString::fromLatin1(name))->text() + u'|';
    const auto* label4 = dialog->findChild<QLabel*>(QStringLiteral("Label4"));
    const auto* label5 = dialog->findChild<QLabel*>(QStringLiteral("Label5"));
    s += QString::number(label4->font().pointSizeF()) + u'|' +
         (label5->isVisibleTo(dialog) ? QStringLiteral("fu") : QStringLiteral("no fu"));
    return s;
}

}  // namespace

class WholeHandTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { qt::installJapaneseFonts(); }
    void cleanup()
    {
        if (QTest::currentTestFailed()) qWarning("the hand: %s", current_.c_str());
    }

    void generatedHandsGiveTheScorersResult()
    {
        Table t;
        table_ = &t;
        QVERIFY(QTest::qWaitForWindowExposed(t.window.get()));
        bench::HandGenerator generator(20260);
        int compared = 0, dialogs = 0, noWin = 0, messages = 0, melds = 0, skipped = 0;
        for (int line = 0; compared < kHands && line < 3 * kHands; ++line) {
            const std::string options = generator.next();
            std::vector<std::string> words;
            std::istringstream in(options);
            for (std::string w; in >> w;) words.push_back(w);
            // Now and then a wind is forgotten, for the message box.
            if (line % 20 == 7) {
                const auto seat = std::find(words.begin(), words.end(), "--seat");
                if (seat != words.end()) words.erase(seat, seat + 2);
            }
            const std::vector<std::string_view> args(words.begin(), words.end());
            const cli::ParseResult parsed = cli::parseOptions(args);
            QVERIFY2(parsed.error.empty(), options.c_str());
            const cli::Outcome expected = cli::score(parsed.options);
            // Entries the window refuses (a spoilt hand) are the scorer's
            // errors; the window's refusals have tests of their own.
            if (expected.kind == cli::Outcome::Kind::Error) {
                ++skipped;
                continue;
            }
            current_ = options;
            enter(parsed.options, line);
            if (QTest::currentTestFailed()) return;
            QCOMPARE(t.host.beeps, 0);
            const Shown shown = calculate(line % 3 == 0);
            if (QTest::currentTestFailed()) return;
            if (expected.kind == cli::Outcome::Kind::Dialog) {
                QVERIFY2(shown.isDialog, options.c_str());
                QCOMPARE(shown.text, labels(expected.dialog));
                ++dialogs;
                if (expected.dialog.Label1.starts_with("聴牌していません")) ++noWin;
            } else {
                QVERIFY2(!shown.isDialog, options.c_str());
                QCOMPARE(shown.text, qs(expected.message));
                ++messages;
            }
            melds += static_cast<int>(parsed.options.melds.size());
            QTRY_COMPARE(t.model.List[0].count(), 0);
            QCOMPARE(t.model.meldCount(), 0);
            ++compared;
        }
        QCOMPARE(compared, kHands);
        qInfo("%d hands compared: %d result dialogs (%d of them 聴牌していません), %d message "
              "boxes; %d melds called; %d hands the window refuses passed over",
              compared, dialogs, noWin, messages, melds, skipped);
        QVERIFY(melds > kHands / 4);
        QVERIFY(messages > 0);
    }

private:
    std::string current_;  // the hand at work, named when a check fails
    Table* table_ = nullptr;

    QWindow* window() const { return table_->window->windowHandle(); }
    QPoint at(QWidget* w) const { return w->mapTo(table_->window.get(), w->rect().center()); }
    qt::TilePicture* palette(Code c) const { return table_->picture("HAI", paletteIndex(c)); }

    // A real drag of a palette tile onto `target`: press, a move that starts
    // the drag, then (from the drag's own loop) the move onto the target and
    // the release.
    void drag(Code c, QWidget* target) { drag(c, at(target)); }

    // The hand frame's centre lies on the placeholders once melds are
    // formed; its top edge, by the caption, is the frame's own.
    QPoint handFrame() const
    {
        QWidget* frame = table_->control("Frame1");
        return frame->mapTo(table_->window.get(), QPoint(frame->width() / 2, 5));
    }

    void drag(Code c, QPoint end)
    {
        const QPoint start = at(palette(c));
        QWindow* w = window();
        QTest::mouseMove(w, start);
        QTest::mousePress(w, Qt::LeftButton, {}, start);
        QTimer::singleShot(0, w, [w, end] {
            QTest::mouseMove(w, end);
            QTest::mouseRelease(w, Qt::LeftButton, {}, end);
        });
        QTest::mouseMove(w, start + QPoint(0, -20));
        // The drop's handler runs from the event loop once the drag is over.
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
    }

    void clickOn(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center()); }

    // Answers the next modal dialog by clicking the button with `caption`,
    // then, if given, the one after it.
    void answer(const QString& caption, const QString& then = QString())
    {
        whenModal([this, caption, then](QWidget* dialog) {
            QPushButton* b = buttonOf(dialog, caption);
            QVERIFY2(b != nullptr, qPrintable(caption));
            if (!then.isEmpty()) answer(then);
            clickOn(b);
        });
    }

    void setRules(bool kuitan, bool renhou)
    {
        TENHO& m = table_->model;
        if ((m.RULE_KUITAN == 1) == kuitan && (m.RULE_RENHOU == 1) == renhou) return;
        whenModal([this, kuitan, renhou](QWidget* dialog) {
            auto* d = qobject_cast<qt::FormOptionDialog*>(dialog);
            clickOn(d->option(1, kuitan ? 0 : 1));
            clickOn(d->option(3, renhou ? 0 : 1));
            clickOn(d->okButton());
        });
        table_->control<QAction>("SYSTEM")->trigger();
        QCOMPARE(m.RULE_KUITAN, kuitan ? 1 : 0);
        QCOMPARE(m.RULE_RENHOU, renhou ? 1 : 0);
    }

    // The hand in the scorer's order: melds, concealed tiles, winning tile,
    // boxes, dora indicators, win kind, winds.
    void enter(const cli::HandOptions& o, int line)
    {
        Table& t = *table_;
        setRules(o.kuitan, o.renhou);
        for (std::size_t k = 1; k <= o.melds.size(); ++k) {
            const cli::MeldOption& m = o.melds[k - 1];
            switch (m.kind) {
            case cli::MeldKind::Chi:
                answer(QStringLiteral("チー"));
                break;
            case cli::MeldKind::Pon:
                answer(QStringLiteral("ポン"));
                break;
            case cli::MeldKind::Kan:
                answer(QStringLiteral("カン"), QStringLiteral("ミンカン"));
                break;
            case cli::MeldKind::Ankan:
                answer(QStringLiteral("カン"), QStringLiteral("アンカン"));
                break;
            }
            drag(m.tiles[0], t.control(qPrintable(QStringLiteral("Frame%1").arg(k + 1))));
            QTRY_COMPARE(t.model.meldCount(), static_cast<int>(k));
        }
        // Most tiles by a press and release on the palette, some dragged
        // onto the hand frame or onto a tile already in the hand.
        for (std::size_t i = 0; i < o.hand.size(); ++i) {
            const int before = t.model.List[0].count();
            const int way = static_cast<int>((i + static_cast<std::size_t>(line)) % 7);
            if (way == 0)
                drag(o.hand[i], handFrame());
            else if (way == 1 && before > 0)
                drag(o.hand[i], t.picture("T_HAI", before - 1));
            else
                clickOn(palette(o.hand[i]));
            QTRY_COMPARE(t.model.List[0].count(), before + 1);
        }
        if (o.win) {
            drag(*o.win, t.control("Frame7"));
            QTRY_VERIFY(t.picture("ENDPAI")->isVisible());
        }
        const auto boxes = t.window->findChildren<QCheckBox*>(QStringLiteral("C_OPTION"));
        for (int b = 0; b < 5; ++b) {
            if (!o.boxes[b]) continue;
            for (QCheckBox* box : boxes)
                if (box->property("index").toInt() == b) clickOn(box);
            QCOMPARE(t.model.C_OPTION[static_cast<std::size_t>(b)].value, 1);
        }
        for (std::size_t i = 0; i < o.dora.size(); ++i) {
            const int before = t.model.List2.count();
            if (i % 2 == 1 && before > 0)
                drag(o.dora[i], t.picture("DORA", before - 1));
            else
                drag(o.dora[i], t.control("Frame6"));
            QTRY_COMPARE(t.model.List2.count(), before + 1);
        }
        if (o.tsumo) clickOn(t.control("TUMO_END"));
        if (o.ron) clickOn(t.control("RON_END"));
        for (auto [name, wind] : {std::pair{"B_list", o.round}, std::pair{"I_list", o.seat}}) {
            if (wind < 0) continue;
            auto* list = t.control<QListWidget>(name);
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                              list->visualItemRect(list->item(wind)).center());
        }
        QCOMPARE(t.model.B_list, o.round);
        QCOMPARE(t.model.I_list, o.seat);
    }

    // Presses 計算 and reads what comes up; closes it with OK (which clears
    // the table) or with やり直す and then リセット.
    Shown calculate(bool again)
    {
        Table& t = *table_;
        Shown shown;
        bool seen = false;
        whenModal([&](QWidget* dialog) {
            seen = true;
            if (auto* d = qobject_cast<qt::HanNumberDialog*>(dialog)) {
                shown.isDialog = true;
                shown.text = labels(d);
                clickOn(buttonOf(d, again ? QStringLiteral("やり直す") : QStringLiteral("OK")));
            } else {
                shown.text = dialog->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))->text();
                clickOn(buttonOf(dialog, QStringLiteral("OK")));
            }
        });
        clickOn(t.control("cmdKEISAN"));
        if (!seen) {
            QTest::qFail("計算 showed nothing", __FILE__, __LINE__);
            return shown;
        }
        if (again || !shown.isDialog) clickOn(t.control("cmdRESET"));
        return shown;
    }
};

QTEST_MAIN(WholeHandTest)
#include "whole_hand_drag_test.moc"
