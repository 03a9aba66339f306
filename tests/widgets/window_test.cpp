// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: its controls and menus, and that every drop and click
// reaches the core's handler (the rules behind them are tested on the core).
#include "entry/qt/table_look.h"
#include "entry/qt/tile_art.h"
#include "widget_test_support.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QRadioButton>

using namespace tenho;
using namespace tenho::testing;

class WindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { qt::installJapaneseFonts(); }

    void regionsCarryTheirCaptions()
    {
        Table t;
        QCOMPARE(t.window->objectName(), QStringLiteral("TENHO"));
        QCOMPARE(t.window->windowTitle(), QString::fromStdString(std::string(t.model.caption)));
        const std::pair<const char*, QString> frames[] = {
            {"Frame1", QStringLiteral("手牌")},    {"Frame2", QStringLiteral("鳴き牌①")},
            {"Frame3", QStringLiteral("鳴き牌②")}, {"Frame4", QStringLiteral("鳴き牌③")},
            {"Frame5", QStringLiteral("鳴き牌④")}, {"Frame6", QStringLiteral("ドラ表示牌")},
            {"Frame7", QStringLiteral("和了牌")},  {"Frame8", QString()},
        };
        for (const auto& [name, title] : frames) {
            auto* frame = t.control<QGroupBox>(name);
            QVERIFY2(frame != nullptr, name);
            QCOMPARE(frame->title(), title);
        }
        QCOMPARE(t.control<QPushButton>("cmdKEISAN")->text(), QStringLiteral("計算"));
        QCOMPARE(t.control<QPushButton>("cmdRESET")->text(), QStringLiteral("リセット"));
        QCOMPARE(t.control<QRadioButton>("TUMO_END")->text(), QStringLiteral("ツモ"));
        QCOMPARE(t.control<QRadioButton>("RON_END")->text(), QStringLiteral("ロン"));
        QVERIFY(t.control<QRadioButton>("RON_END")->isChecked());
        QVERIFY(!t.control<QRadioButton>("TUMO_END")->isChecked());
    }

    void windListsHoldTheirItemsExactly()
    {
        Table t;
        const std::pair<const char*, const std::array<std::string_view, 4>*> lists[] = {
            {"I_list", &TENHO::kI_listItems}, {"B_list", &TENHO::kB_listItems}};
        for (const auto& [name, items] : lists) {
            auto* list = t.control<QListWidget>(name);
            QCOMPARE(list->count(), 4);
            for (int i = 0; i < 4; ++i)
                QCOMPARE(list->item(i)->text(), QString::fromStdString(std::string(
                                                    (*items)[static_cast<std::size_t>(i)])));
            QCOMPARE(list->currentRow(), -1);
        }
        QCOMPARE(t.control<QListWidget>("I_list")->item(0)->text(), QStringLiteral("東   家"));
        QCOMPARE(t.control<QListWidget>("B_list")->item(0)->text(), QStringLiteral("東 　場"));
    }

    void situationBoxesInTwoColumnsWithTipsAndStartStates()
    {
        Table t;
        const auto boxes = t.window->findChildren<QCheckBox*>(QStringLiteral("C_OPTION"));
        QCOMPARE(boxes.size(), 6);
        std::array<QCheckBox*, 6> byIndex{};
        for (QCheckBox* b : boxes)
            byIndex[static_cast<std::size_t>(b->property("index").toInt())] = b;
        for (std::size_t i = 0; i < 6; ++i) {
            QCOMPARE(byIndex[i]->text(),
                     QString::fromStdString(std::string(TENHO::kC_OPTIONCaptions[i])));
            QCOMPARE(byIndex[i]->toolTip(),
                     QString::fromStdString(std::string(TENHO::kC_OPTIONToolTips[i])));
            QVERIFY(!byIndex[i]->isChecked());
            QCOMPARE(byIndex[i]->isEnabled(), i != 2 && i != 5);
        }
        // Two columns of three.
        for (std::size_t i : {0, 1, 3, 4}) QVERIFY(byIndex[i]->y() < byIndex[i + 1]->y());
        for (std::size_t i : {0, 1, 2}) {
            QCOMPARE(byIndex[i]->y(), byIndex[i + 3]->y());
            QVERIFY(byIndex[i]->x() < byIndex[i + 3]->x());
        }
    }

    void picturesLieWhereTheyBelong()
    {
        Table t;
        for (int i = 0; i < 12; ++i)
            QVERIFY(t.picture("T_HAI", i)->x() < t.picture("T_HAI", i + 1)->x());
        for (int j = 0; j < 12; ++j) {
            QCOMPARE(t.picture("JUMP", j)->parentWidget(),
                     t.picture("T_HAI", 12 - j)->parentWidget());
            QCOMPARE(t.picture("JUMP", j)->geometry(), t.picture("T_HAI", 12 - j)->geometry());
        }
        for (int k = 1; k <= 4; ++k) {
            const QByteArray naki = "NAKI" + QByteArray::number(k);
            const QByteArray kan = "KAN_KAN" + QByteArray::number(k);
            for (int i = 0; i < 3; ++i)  // index 0 is the rightmost
                QVERIFY(t.picture(naki.constData(), i)->x() >
                        t.picture(naki.constData(), i + 1)->x());
            QCOMPARE(t.picture(kan.constData(), 0)->geometry(),
                     t.picture(naki.constData(), 3)->geometry());
            QCOMPARE(t.picture(kan.constData(), 1)->geometry(),
                     t.picture(naki.constData(), 0)->geometry());
            QCOMPARE(t.picture(kan.constData(), 0)->image(), image::kFaceDown);
        }
        for (int i = 0; i < 7; ++i)
            QVERIFY(t.picture("DORA", i)->x() < t.picture("DORA", i + 1)->x());
        QCOMPARE(t.picture("JUMP", 0)->image(), image::kPlaceholder);
        QVERIFY(!t.picture("T_HAI", 0)->isVisible());
        QVERIFY(!t.picture("JUMP", 0)->isVisible());
        QVERIFY(!t.picture("ENDPAI")->isVisible());
    }

    void paletteInThreeRows()
    {
        Table t;
        const std::array<std::vector<const char*>, 3> rows = {{
            {"01", "02", "03", "04", "05", "06", "07", "08", "09", "71", "81", "91"},
            {"11", "12", "13", "14", "15", "16", "17", "18", "19", "31", "41"},
            {"21", "22", "23", "24", "25", "26", "27", "28", "29", "51", "61"},
        }};
        int lastY = -1;
        for (const auto& row : rows) {
            const int y = t.picture("HAI", src(row[0]))->y();
            QVERIFY(y > lastY);
            lastY = y;
            for (std::size_t c = 0; c < row.size(); ++c) {
                qt::TilePicture* p = t.picture("HAI", src(row[c]));
                QVERIFY(p->isVisible());
                QCOMPARE(p->image(), src(row[c]));
                QCOMPARE(p->y(), y);
                if (c > 0) QVERIFY(p->x() > t.picture("HAI", src(row[c - 1]))->x());
            }
        }
    }

    void menusCallTheirHandlers()
    {
        Table t;
        const auto menus = t.window->menuBar()->actions();
        QCOMPARE(menus.size(), 2);
        QCOMPARE(menus[0]->text(), QStringLiteral("設定(&S)"));
        QCOMPARE(menus[1]->text(), QStringLiteral("その他(&O)"));
        // Name, caption with its mnemonic, and the key that works without the menu.
        const auto items = [](QAction* menu) {
            QStringList out;
            for (QAction* a : menu->menu()->actions())
                if (!a->isSeparator())
                    out << a->objectName() + QLatin1Char('=') + a->text() + QLatin1Char(' ') +
                               a->shortcut().toString();
            return out;
        };
        QCOMPARE(items(menus[0]), QStringList{QStringLiteral("SYSTEM=オプション(&O)... ")});
        QCOMPARE(items(menus[1]), (QStringList{QStringLiteral("MACHI=待ち一覧(&M)... Ctrl+M"),
                                               QStringLiteral("HELP=ヘルプ(&H) F1"),
                                               QStringLiteral("HP_URL=ホームページ(&W) "),
                                               QStringLiteral("VER=バージョン情報(&A)... "),
                                               QStringLiteral("QUIT=終了(&X) Ctrl+Q")}));
        QCOMPARE(menus[0]->menu()->objectName(), QStringLiteral("SETEI"));
        QCOMPARE(menus[1]->menu()->objectName(), QStringLiteral("ETC"));

        // オプション...: the rule dialog; closing it through its frame changes nothing.
        const std::string caption(t.model.caption);
        whenModal([](QWidget* dialog) { dialog->close(); });
        t.control<QAction>("SYSTEM")->trigger();
        QCOMPARE(std::string(t.model.caption), caption);
        // Confirming it with 食いタン あり rebuilds the caption.
        whenModal([](QWidget* dialog) {
            auto* frame = dialog->findChild<QGroupBox*>(QStringLiteral("Frame1"));
            frame->findChildren<QRadioButton*>().at(0)->click();
            buttonOf(dialog, QStringLiteral("ＯＫ"))->click();
        });
        t.control<QAction>("SYSTEM")->trigger();
        QCOMPARE(t.model.RULE_KUITAN, 1);
        QCOMPARE(t.window->windowTitle(), QString::fromStdString(std::string(t.model.caption)));
        QVERIFY(t.window->windowTitle().contains(QStringLiteral("食いタン（○）")));
    }

    void dropsOnTheHandAndThePalette()
    {
        Table t;
        QVERIFY(dropOn(t.control("Frame1"), src("05")));
        QCOMPARE(t.model.List[0].count(), 1);
        QVERIFY(t.picture("T_HAI", 0)->isVisible());
        QCOMPARE(t.picture("T_HAI", 0)->image(), src("05"));
        QVERIFY(dropOn(t.picture("T_HAI", 0), src("23")));
        QVERIFY(dropOn(t.control("Frame8"), src("91")));
        // A drag ending on a palette tile adds the tile under the pointer.
        QVERIFY(dropOn(t.picture("HAI", src("31")), src("01")));
        QCOMPARE(t.model.List[0].count(), 4);
        const char* expected[] = {"05", "23", "31", "91"};
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(t.model.List[0].item(i), Code::fromText(expected[i]));
            QCOMPARE(t.picture("T_HAI", i)->image(), src(expected[i]));
            QVERIFY(t.picture("T_HAI", i)->isVisible());
        }
        QVERIFY(!t.picture("T_HAI", 4)->isVisible());
    }

    void dropsOnTheDoraAndWinningTileFrames()
    {
        Table t;
        QVERIFY(dropOn(t.control("Frame6"), src("91")));
        QVERIFY(dropOn(t.picture("DORA", 0), src("05")));
        QCOMPARE(t.model.List2.count(), 2);
        QCOMPARE(t.picture("DORA", 0)->image(), src("91"));
        QCOMPARE(t.picture("DORA", 1)->image(), src("05"));
        QVERIFY(t.picture("DORA", 1)->isVisible());
        QVERIFY(dropOn(t.control("Frame7"), src("18")));
        QCOMPARE(t.model.Text1, Code::fromText("18"));
        QVERIFY(t.picture("ENDPAI")->isVisible());
        QCOMPARE(t.picture("ENDPAI")->image(), src("18"));
    }

    void dropsOnTheMeldFrames()
    {
        Table t;
        t.host.nakiAnswers = {NakiCheckButton::Pon};
        QVERIFY(dropOn(t.control("Frame2"), src("91")));
        QCOMPARE(t.host.nakiChiVisible, std::vector<bool>{false});
        QVERIFY(t.model.meldPresent(1));
        for (int i = 0; i < 3; ++i) {
            QVERIFY(t.picture("NAKI1", i)->isVisible());
            QCOMPARE(t.picture("NAKI1", i)->image(), src("91"));
        }
        t.host.nakiAnswers = {NakiCheckButton::Kan};
        t.host.kanAnswers = {KanCheckButton::Ankan};
        QVERIFY(dropOn(t.control("Frame3"), src("07")));
        QCOMPARE(t.host.nakiChiVisible, (std::vector<bool>{false, true}));
        QVERIFY(t.model.meldIsClosedKan(2));
        QVERIFY(t.picture("KAN_KAN2", 0)->isVisible());
        QVERIFY(t.picture("KAN_KAN2", 1)->isVisible());
        for (int j = 0; j < 6; ++j) QVERIFY(t.picture("JUMP", j)->isVisible());
        t.host.nakiAnswers = {NakiCheckButton::Chi};
        QVERIFY(dropOn(t.control("Frame4"), src("23")));
        QVERIFY(t.model.meldPresent(3));
        t.host.nakiAnswers = {NakiCheckButton::Cancel};
        QVERIFY(dropOn(t.control("Frame5"), src("31")));
        QVERIFY(!t.model.meldPresent(4));
    }

    void dropsElsewhereDoNothing()
    {
        Table t;
        t.host.nakiAnswers = {NakiCheckButton::Pon};
        dropOn(t.control("Frame2"), src("91"));
        dropOn(t.control("Frame7"), src("18"));
        QVERIFY(t.picture("JUMP", 0)->isVisible());
        const auto hand = t.model.List[0].count();
        QWidget* nowhere[] = {t.picture("JUMP", 0),     t.picture("NAKI1", 1),
                              t.picture("ENDPAI"),      t.control("cmdKEISAN"),
                              t.control("I_list"),      t.control("TUMO_END"),
                              t.window->centralWidget()};
        for (QWidget* w : nowhere) QVERIFY2(!dropOn(w, src("05")), qPrintable(w->objectName()));
        QCOMPARE(t.model.List[0].count(), hand);
        QCOMPARE(t.model.List2.count(), 0);
        QCOMPARE(t.model.meldCount(), 1);
        QCOMPARE(t.model.Text1, Code::fromText("18"));
        // Only palette tiles can be dropped.
        QMimeData text;
        text.setText(QStringLiteral("05"));
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &text, Qt::LeftButton, {});
        QApplication::sendEvent(t.control("Frame1"), &drop);
        QCoreApplication::processEvents();
        QVERIFY(!drop.isAccepted());
        QCOMPARE(t.model.List[0].count(), hand);
    }

    void clicksRemoveWhatWasClicked()
    {
        Table t;
        for (const char* c : {"01", "02", "03"}) dropOn(t.control("Frame1"), src(c));
        click(t.picture("T_HAI", 1));
        QCOMPARE(t.model.List[0].count(), 2);
        QCOMPARE(t.picture("T_HAI", 1)->image(), src("03"));
        QVERIFY(!t.picture("T_HAI", 2)->isVisible());

        dropOn(t.control("Frame6"), src("11"));
        dropOn(t.control("Frame6"), src("12"));
        click(t.picture("DORA", 0));
        QCOMPARE(t.model.List2.count(), 1);
        QCOMPARE(t.picture("DORA", 0)->image(), src("12"));
        QVERIFY(!t.picture("DORA", 1)->isVisible());

        dropOn(t.control("Frame7"), src("29"));
        click(t.picture("ENDPAI"));
        QVERIFY(t.model.Text1.empty());
        QVERIFY(!t.picture("ENDPAI")->isVisible());
    }

    void clicksOnAMeldRemoveItAndTheLaterOnes()
    {
        Table t;
        t.host.nakiAnswers = {NakiCheckButton::Pon, NakiCheckButton::Kan, NakiCheckButton::Pon};
        t.host.kanAnswers = {KanCheckButton::Ankan};
        dropOn(t.control("Frame2"), src("91"));
        dropOn(t.control("Frame3"), src("31"));
        dropOn(t.control("Frame4"), src("05"));
        QCOMPARE(t.model.meldCount(), 3);
        click(t.picture("NAKI3", 2));
        QCOMPARE(t.model.meldCount(), 2);
        QVERIFY(!t.picture("NAKI3", 0)->isVisible());
        // A face-down picture removes its closed kan too.
        click(t.picture("KAN_KAN2", 1));
        QCOMPARE(t.model.meldCount(), 1);
        QVERIFY(!t.picture("KAN_KAN2", 1)->isVisible());
        click(t.picture("NAKI1", 0));
        QCOMPARE(t.model.meldCount(), 0);
        QVERIFY(!t.picture("JUMP", 0)->isVisible());
    }

    void aRefusedTileBeepsAndChangesNothing()
    {
        Table t;
        for (int i = 0; i < 4; ++i) dropOn(t.control("Frame1"), src("05"));
        QCOMPARE(t.host.beeps, 0);
        dropOn(t.control("Frame1"), src("05"));
        QCOMPARE(t.host.beeps, 1);
        dropOn(t.control("Frame7"), src("05"));
        QCOMPARE(t.host.beeps, 2);
        QCOMPARE(t.model.List[0].count(), 4);
        QVERIFY(!t.picture("T_HAI", 4)->isVisible());
        QVERIFY(!t.picture("ENDPAI")->isVisible());
    }

    void situationControlsReachTheModel()
    {
        Table t;
        t.control<QRadioButton>("TUMO_END")->click();
        QVERIFY(t.model.TUMO_END && !t.model.RON_END);
        t.control<QListWidget>("I_list")->setCurrentRow(2);
        t.control<QListWidget>("B_list")->setCurrentRow(1);
        QCOMPARE(t.model.I_list, 2);
        QCOMPARE(t.model.B_list, 1);
        auto boxes = t.window->findChildren<QCheckBox*>(QStringLiteral("C_OPTION"));
        std::sort(boxes.begin(), boxes.end(), [](QCheckBox* a, QCheckBox* b) {
            return a->property("index").toInt() < b->property("index").toInt();
        });
        boxes[0]->click();  // リーチ: 一発 becomes available, ダブリー not
        QCOMPARE(t.model.C_OPTION[0].value, 1);
        QVERIFY(boxes[0]->isChecked());
        QVERIFY(boxes[2]->isEnabled());
        QVERIFY(!boxes[1]->isEnabled());
        boxes[5]->click();  // カン直後 is never available
        QVERIFY(!boxes[5]->isChecked());

        click(t.control("cmdRESET"));
        QVERIFY(t.control<QRadioButton>("RON_END")->isChecked());
        QCOMPARE(t.control<QListWidget>("I_list")->currentRow(), -1);
        QCOMPARE(t.control<QListWidget>("B_list")->selectedItems().size(), 0);
        QVERIFY(!boxes[0]->isChecked());
        QVERIFY(!boxes[2]->isEnabled());
        QCOMPARE(t.model.I_list, -1);
    }

    // Every caption on the felt against the brightest the felt gets, in the
    // colours the controls draw with; the figures go to the test log.
    void captionsOnTheFeltAreLegible()
    {
        Table t;
        const QColor felt = qt::brightestFelt();
        // No pixel of the felt as painted is brighter than that.
        QImage cloth(t.window->centralWidget()->size(), QImage::Format_RGB32);
        QPainter painter(&cloth);
        qt::paintFelt(painter, QRectF(cloth.rect()));
        painter.end();
        double brightest = 0;
        for (int y = 0; y < cloth.height(); ++y)
            for (int x = 0; x < cloth.width(); ++x)
                brightest = std::max(brightest, qt::relativeLuminance(cloth.pixelColor(x, y)));
        QVERIFY(brightest <= qt::relativeLuminance(felt) + 0.002);

        QList<std::pair<QString, QColor>> inks;
        for (QGroupBox* frame : t.window->findChildren<QGroupBox*>())
            if (!frame->title().isEmpty())
                inks.append({frame->title(), frame->palette().windowText().color()});
        QList<QAbstractButton*> buttons;
        for (QCheckBox* b : t.window->findChildren<QCheckBox*>()) buttons << b;
        for (QRadioButton* b : t.window->findChildren<QRadioButton*>()) buttons << b;
        for (QAbstractButton* b : buttons) {
            const QPalette& p = b->palette();
            const QColor on = p.color(QPalette::Active, QPalette::WindowText);
            const QColor off = p.color(QPalette::Disabled, QPalette::WindowText);
            inks.append({b->text(), on});
            inks.append({b->text() + QStringLiteral("（選べない）"), off});
            // A box that cannot be clicked is dimmer than one that can, square and all.
            QVERIFY(qt::relativeLuminance(off) < qt::relativeLuminance(on));
            QVERIFY(qt::relativeLuminance(p.color(QPalette::Disabled, QPalette::Base)) <
                    qt::relativeLuminance(p.color(QPalette::Active, QPalette::Base)));
        }
        auto* note = t.control<QLabel>("handNote");
        inks.append({QStringLiteral("手牌の書き方"), note->palette().windowText().color()});
        QTest::keyClicks(t.control("handLine"), QStringLiteral("9z"));
        QTest::keyClick(t.control("handLine"), Qt::Key_Return);
        inks.append({note->text(), note->palette().windowText().color()});

        QCOMPARE(inks.size(), 7 + 2 * 8 + 2);
        for (const auto& [what, ink] : inks) {
            const double ratio = qt::contrastRatio(ink, felt);
            qInfo("%5.2f:1  %s on the felt", ratio, qPrintable(what));
            QVERIFY2(ratio >= 4.5, qPrintable(what));
        }
        // Inside the typing field, its hint and its text.
        auto* field = t.control<QLineEdit>("handLine");
        const QColor ground = field->palette().color(QPalette::Base);
        for (auto role : {QPalette::Text, QPalette::PlaceholderText}) {
            const double ratio = qt::contrastRatio(field->palette().color(role), ground);
            qInfo("%5.2f:1  %s in the field", ratio, role == QPalette::Text ? "text" : "hint");
            QVERIFY(ratio >= 4.5);
        }
    }

    void theTableCannotBeMaximised()
    {
        Table t;
        const Qt::WindowFlags flags = t.window->windowFlags();
        QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
        QVERIFY(flags & Qt::WindowMinimizeButtonHint);
        QVERIFY(flags & Qt::WindowCloseButtonHint);
        QCOMPARE(t.window->minimumSize(), t.window->maximumSize());
    }
};

QTEST_MAIN(WindowTest)
#include "window_test.moc"
