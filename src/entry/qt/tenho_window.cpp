// SPDX-License-Identifier: GPL-3.0-or-later

#include "entry/qt/tenho_window.h"

#include "entry/qt/fonts.h"
#include "entry/qt/hand_line.h"
#include "entry/qt/table_look.h"
#include "entry/qt/tile_art.h"
#include "entry/qt/tile_picture.h"
#include "entry/qt/waits_dialog.h"
#include "entry/typed_hand.h"
#include "evaluation/waits.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStyle>
#include <QVBoxLayout>

namespace tenho::qt {

namespace {

QString qs(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

constexpr int kTileW = kTileSize.width();
constexpr int kTileH = kTileSize.height();
constexpr int kGap = 2;  // between neighbouring tiles of a row

// The table the window's controls lie on.
class Felt : public QWidget {
public:
    explicit Felt(QWidget* parent) : QWidget(parent) { setAttribute(Qt::WA_OpaquePaintEvent); }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        paintFelt(p, rect());
    }
};

// A fixed-size area inside a frame on which pictures lie at exact places,
// some over others.
QWidget* board(QWidget* parent, int width, int height)
{
    auto* b = new QWidget(parent);
    b->setFixedSize(width, height);
    return b;
}

QWidget* framed(DropFrame* frame, QWidget* content)
{
    auto* layout = new QHBoxLayout(frame);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addStretch();
    layout->addWidget(content);
    layout->addStretch();
    return frame;
}

}  // namespace

TenhoWindow::TenhoWindow(TENHO& model, QWidget* parent) : QMainWindow(parent), model_(model)
{
    setObjectName(QStringLiteral("TENHO"));
    // The table has one size: nothing to maximise.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    auto* felt = new Felt(this);
    felt->setStyleSheet(tableStyleSheet());
    setCentralWidget(felt);

    auto* grid = new QGridLayout(felt);
    grid->setContentsMargins(12, 10, 12, 12);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(8);
    grid->addWidget(buildHandFrame(), 0, 0, 1, 3);
    grid->addWidget(buildLeftColumn(), 1, 0, 2, 1);
    grid->addWidget(buildMeldFrames(), 1, 1);
    grid->addWidget(buildButtons(), 1, 2);
    grid->addWidget(buildDoraAndWinningTile(), 2, 1, 1, 2);
    grid->addWidget(buildPalette(), 3, 0, 1, 3);
    grid->setSizeConstraint(QLayout::SetFixedSize);

    buildMenus();
    chainFocus();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    refresh();
    // A player who knows the notation starts typing at once.
    handLine_->setFocus();
}

QWidget* TenhoWindow::buildHandFrame()
{
    auto* frame = new DropFrame(QStringLiteral("Frame1"), QStringLiteral("手牌"), centralWidget());
    frame->onDrop = [this](int source) { act([&] { model_.Frame1_DragDrop(source); }); };
    QWidget* row = board(frame, 13 * (kTileW + kGap) - kGap, kTileH);
    for (int i = 0; i < 13; ++i) {
        auto* t = new TilePicture(QStringLiteral("T_HAI"), i, row);
        t->move(i * (kTileW + kGap), 0);
        t->onDrop = [this, i](int source) { act([&] { model_.T_HAI_DragDrop(i, source); }); };
        t->onClick = [this, i] { act([&] { model_.T_HAI_Click(i); }); };
        t->setCursor(Qt::PointingHandCursor);
        tHai_[static_cast<std::size_t>(i)] = t;
    }
    // The placeholders lie over the hand slots a meld has taken: JUMP(j) on T_HAI(12 - j).
    for (int j = 0; j < 12; ++j) {
        auto* t = new TilePicture(QStringLiteral("JUMP"), j, row);
        t->move(tHai_[static_cast<std::size_t>(12 - j)]->pos());
        t->raise();
        jump_[static_cast<std::size_t>(j)] = t;
    }

    // Under the tiles, the whole hand from the keyboard, and a line that says
    // how to use it or, after a malformed line, what is wrong with it.
    auto* column = new QVBoxLayout(frame);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(4);
    column->addWidget(row, 0, Qt::AlignHCenter);
    column->addSpacing(4);
    handLine_ = new HandLine(frame);
    handLine_->setFont(gothicFont(11));
    handLine_->setFixedWidth(row->width());
    handLine_->onEnter = [this](const QString& line) { enterTypedLine(line); };
    column->addWidget(handLine_, 0, Qt::AlignHCenter);
    handNote_ = new QLabel(frame);
    handNote_->setObjectName(QStringLiteral("handNote"));
    handNote_->setTextFormat(Qt::PlainText);
    handNote_->setFixedWidth(row->width());
    connect(handLine_, &HandLine::markCleared, this, [this] { showHandNote({}); });
    column->addWidget(handNote_, 0, Qt::AlignHCenter);
    showHandNote({});
    return frame;
}

QWidget* TenhoWindow::buildLeftColumn()
{
    auto* column = new QWidget(centralWidget());
    // Captions light on the felt, the marks inside the boxes in their ink.
    // The palette goes on each button: one inherited from the column would
    // give way to the table's style sheet.
    const QPalette captions = captionPalette(column->palette());
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 4, 0, 0);
    layout->setSpacing(10);

    auto* winKind = new QHBoxLayout;
    tumoEnd_ = new QRadioButton(QStringLiteral("ツモ"), column);
    tumoEnd_->setObjectName(QStringLiteral("TUMO_END"));
    ronEnd_ = new QRadioButton(QStringLiteral("ロン"), column);
    ronEnd_->setObjectName(QStringLiteral("RON_END"));
    tumoEnd_->setPalette(captions);
    ronEnd_->setPalette(captions);
    auto* group = new QButtonGroup(column);
    group->addButton(tumoEnd_);
    group->addButton(ronEnd_);
    connect(tumoEnd_, &QRadioButton::clicked, this,
            [this] { act([&] { model_.selectTUMO_END(); }); });
    connect(ronEnd_, &QRadioButton::clicked, this,
            [this] { act([&] { model_.selectRON_END(); }); });
    winKind->addWidget(tumoEnd_);
    winKind->addWidget(ronEnd_);
    winKind->addStretch();
    layout->addLayout(winKind);

    const auto windList = [&](const char* name, const auto& items, Integer TENHO::*selected) {
        auto* list = new QListWidget(column);
        list->setObjectName(QString::fromLatin1(name));
        for (std::string_view item : items) list->addItem(qs(item));
        list->setSelectionMode(QAbstractItemView::SingleSelection);
        list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        list->setFixedSize(list->sizeHintForColumn(0) + 2 * list->frameWidth() + 14,
                           4 * list->sizeHintForRow(0) + 2 * list->frameWidth() + 2);
        // A wind is chosen by selecting its row (a click, or an arrow key in
        // the list). The focus arriving by Tab makes a row current without
        // selecting it, and chooses nothing.
        connect(list, &QListWidget::itemSelectionChanged, this, [this, list, selected] {
            const QList<QListWidgetItem*> rows = list->selectedItems();
            if (rows.isEmpty()) return refresh();  // a chosen wind is not taken back
            act([&] { model_.*selected = static_cast<Integer>(list->row(rows.front())); });
        });
        return list;
    };
    auto* winds = new QHBoxLayout;
    iList_ = windList("I_list", TENHO::kI_listItems, &TENHO::I_list);
    bList_ = windList("B_list", TENHO::kB_listItems, &TENHO::B_list);
    winds->addWidget(iList_);
    winds->addWidget(bList_);
    winds->addStretch();
    layout->addLayout(winds);

    // Two columns of three: the riichi-type boxes on the left.
    auto* boxes = new QGridLayout;
    boxes->setHorizontalSpacing(12);
    boxes->setVerticalSpacing(6);
    for (int i = 0; i < 6; ++i) {
        const auto k = static_cast<std::size_t>(i);
        auto* box = new QCheckBox(qs(TENHO::kC_OPTIONCaptions[k]), column);
        box->setObjectName(QStringLiteral("C_OPTION"));
        box->setProperty("index", i);
        box->setPalette(captions);
        if (!TENHO::kC_OPTIONToolTips[k].empty()) box->setToolTip(qs(TENHO::kC_OPTIONToolTips[k]));
        // The box has already toggled itself; the model toggles and applies
        // the interlocks, and the redraw shows the model's verdict.
        connect(box, &QCheckBox::clicked, this,
                [this, i] { act([&] { model_.clickC_OPTION(i); }); });
        boxes->addWidget(box, i % 3, i / 3);
        cOption_[k] = box;
    }
    layout->addLayout(boxes);
    layout->addStretch();
    return column;
}

QWidget* TenhoWindow::buildMeldFrames()
{
    static const char* const kTitles[] = {"鳴き牌①", "鳴き牌②", "鳴き牌③", "鳴き牌④"};
    auto* area = new QWidget(centralWidget());
    auto* grid = new QGridLayout(area);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(8);
    for (int k = 1; k <= 4; ++k) {
        const auto kk = static_cast<std::size_t>(k);
        auto* frame = new DropFrame(QStringLiteral("Frame%1").arg(k + 1),
                                    QString::fromUtf8(kTitles[k - 1]), area);
        frame->onDrop = [this, k](int source) { act([&] { model_.formMeld(k, source); }); };
        QWidget* row = board(frame, 4 * kTileW, kTileH);
        // Picture 0 is the rightmost: melds are laid down from the right.
        for (int i = 0; i < 4; ++i) {
            auto* t = new TilePicture(QStringLiteral("NAKI%1").arg(k), i, row);
            t->move((3 - i) * kTileW, 0);
            t->onClick = [this, k] { act([&] { model_.NAKI_Click(k); }); };
            t->setCursor(Qt::PointingHandCursor);
            naki_[kk][static_cast<std::size_t>(i)] = t;
        }
        // A closed kan: its outer tiles (pictures 3 and 0) lie face down.
        for (int i = 0; i < 2; ++i) {
            auto* t = new TilePicture(QStringLiteral("KAN_KAN%1").arg(k), i, row);
            t->move(naki_[kk][i == 0 ? 3 : 0]->pos());
            t->raise();
            t->onClick = [this, k] { act([&] { model_.NAKI_Click(k); }); };
            t->setCursor(Qt::PointingHandCursor);
            kanKan_[kk][static_cast<std::size_t>(i)] = t;
        }
        grid->addWidget(framed(frame, row), (k - 1) / 2, (k - 1) % 2);
    }
    return area;
}

QWidget* TenhoWindow::buildDoraAndWinningTile()
{
    auto* area = new QWidget(centralWidget());
    auto* layout = new QHBoxLayout(area);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(8);

    auto* frame6 = new DropFrame(QStringLiteral("Frame6"), QStringLiteral("ドラ表示牌"), area);
    frame6->onDrop = [this](int source) { act([&] { model_.Frame6_DragDrop(source); }); };
    QWidget* row = board(frame6, 8 * (kTileW + kGap) - kGap, kTileH);
    for (int i = 0; i < 8; ++i) {
        auto* t = new TilePicture(QStringLiteral("DORA"), i, row);
        t->move(i * (kTileW + kGap), 0);
        t->onDrop = [this, i](int source) { act([&] { model_.DORA_DragDrop(i, source); }); };
        t->onClick = [this, i] { act([&] { model_.DORA_Click(i); }); };
        t->setCursor(Qt::PointingHandCursor);
        dora_[static_cast<std::size_t>(i)] = t;
    }
    layout->addWidget(framed(frame6, row));

    auto* frame7 = new DropFrame(QStringLiteral("Frame7"), QStringLiteral("和了牌"), area);
    frame7->onDrop = [this](int source) { act([&] { model_.Frame7_DragDrop(source); }); };
    QWidget* single = board(frame7, kTileW + 16, kTileH);
    endpai_ = new TilePicture(QStringLiteral("ENDPAI"), 0, single);
    endpai_->move(8, 0);
    endpai_->onClick = [this] { act([&] { model_.ENDPAI_Click(); }); };
    endpai_->setCursor(Qt::PointingHandCursor);
    layout->addWidget(framed(frame7, single));
    layout->addStretch();
    return area;
}

QWidget* TenhoWindow::buildButtons()
{
    auto* column = new QWidget(centralWidget());
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 10, 0, 0);
    layout->setSpacing(12);
    const auto button = [&](const char* name, const QString& caption) {
        auto* b = new QPushButton(caption, column);
        b->setObjectName(QString::fromLatin1(name));
        b->setFont(gothicFont(12, true));
        b->setMinimumSize(96, 40);
        b->setAutoDefault(false);
        layout->addWidget(b);
        return b;
    };
    cmdKEISAN_ = button("cmdKEISAN", QStringLiteral("計算"));
    cmdKEISAN_->setToolTip(QStringLiteral("計算（Enter）"));
    connect(cmdKEISAN_, &QPushButton::clicked, this,
            [this] { act([&] { model_.cmdKEISAN_Click(); }); });
    cmdRESET_ = button("cmdRESET", QStringLiteral("リセット"));
    connect(cmdRESET_, &QPushButton::clicked, this,
            [this] { act([&] { model_.cmdRESET_Click(); }); });
    layout->addStretch();
    return column;
}

QWidget* TenhoWindow::buildPalette()
{
    auto* frame = new DropFrame(QStringLiteral("Frame8"), QString(), centralWidget());
    frame->onDrop = [this](int source) { act([&] { model_.Frame8_DragDrop(source); }); };
    // Three rows: each suit 1..9, then the honours (白 發 中 / 東 南 / 西 北).
    static const std::array<std::array<int, 12>, 3> kRows = {{
        {0, 1, 2, 3, 4, 5, 6, 7, 8, 31, 32, 33},
        {9, 10, 11, 12, 13, 14, 15, 16, 17, 27, 28, -1},
        {18, 19, 20, 21, 22, 23, 24, 25, 26, 29, 30, -1},
    }};
    constexpr int kHonourGap = 14;
    QWidget* area =
        board(frame, 12 * (kTileW + kGap) - kGap + kHonourGap, 3 * (kTileH + kGap) - kGap);
    for (std::size_t r = 0; r < kRows.size(); ++r)
        for (std::size_t c = 0; c < kRows[r].size(); ++c) {
            const int i = kRows[r][c];
            if (i < 0) continue;
            auto* t = new TilePicture(QStringLiteral("HAI"), i, area);
            const int x = static_cast<int>(c) * (kTileW + kGap) + (c >= 9 ? kHonourGap : 0);
            t->move(x, static_cast<int>(r) * (kTileH + kGap));
            t->setDragSource(true);
            t->setToolTip(qs(tileName(kHaiCodes[static_cast<std::size_t>(i)])));
            t->onDrop = [this, i](int source) { act([&] { model_.HAI_DragDrop(i, source); }); };
            hai_[static_cast<std::size_t>(i)] = t;
        }
    return framed(frame, area);
}

void TenhoWindow::buildMenus()
{
    const auto action = [this](QMenu* menu, const char* name, const QString& caption,
                               const QKeySequence& keys, auto handler) {
        QAction* a = menu->addAction(caption);
        a->setObjectName(QString::fromLatin1(name));
        a->setShortcut(keys);
        connect(a, &QAction::triggered, this,
                [this, handler] { act([&] { (model_.*handler)(); }); });
        return a;
    };
    QMenu* setei = menuBar()->addMenu(QStringLiteral("設定(&S)"));
    setei->setObjectName(QStringLiteral("SETEI"));
    action(setei, "SYSTEM", QStringLiteral("オプション(&O)..."), {}, &TENHO::SYSTEM_Click);
    QMenu* etc = menuBar()->addMenu(QStringLiteral("その他(&O)"));
    etc->setObjectName(QStringLiteral("ETC"));
    // Enabled while the hand waits for its winning tile (refresh).
    machi_ = etc->addAction(QStringLiteral("待ち一覧(&M)..."));
    machi_->setObjectName(QStringLiteral("MACHI"));
    machi_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_M));
    connect(machi_, &QAction::triggered, this, &TenhoWindow::showWaits);
    etc->addSeparator();
    action(etc, "HELP", QStringLiteral("ヘルプ(&H)"), QKeySequence::HelpContents,
           &TENHO::HELP_Click);
    action(etc, "HP_URL", QStringLiteral("ホームページ(&W)"), {}, &TENHO::HP_URL_Click);
    action(etc, "VER", QStringLiteral("バージョン情報(&A)..."), {}, &TENHO::VER_Click);
    etc->addSeparator();
    QAction* quit = etc->addAction(QStringLiteral("終了(&X)"));
    quit->setObjectName(QStringLiteral("QUIT"));
    quit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));  // where the desktop names no key
    connect(quit, &QAction::triggered, this, &QWidget::close);
}

void TenhoWindow::chainFocus()
{
    // The hand, the win kind, the winds, the boxes row by row, the buttons.
    std::vector<QWidget*> chain = {handLine_, tumoEnd_, ronEnd_, iList_, bList_};
    for (std::size_t row = 0; row < 3; ++row)
        for (std::size_t column = 0; column < 2; ++column)
            chain.push_back(cOption_[column * 3 + row]);
    chain.push_back(cmdKEISAN_);
    chain.push_back(cmdRESET_);
    for (std::size_t i = 1; i < chain.size(); ++i) QWidget::setTabOrder(chain[i - 1], chain[i]);
}

void TenhoWindow::enterTypedLine(const QString& line)
{
    const QByteArray utf8 = line.toUtf8();
    std::vector<TypedDrop> drops;
    TypingError error;
    if (!readTypedHand(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())),
                       drops, error)) {
        // The core counts bytes, the field characters.
        const auto chars = [&utf8](std::size_t from, std::size_t length) {
            return static_cast<int>(
                QString::fromUtf8(utf8.constData() + from, static_cast<qsizetype>(length)).size());
        };
        handLine_->markMalformed(chars(0, error.at), chars(error.at, error.length));
        showHandNote(qs(error.reason));
        return;
    }
    handLine_->clear();
    showHandNote({});
    act([&] { enterTypedHand(model_, drops); });
}

void TenhoWindow::showHandNote(const QString& error)
{
    handNote_->setProperty("error", !error.isEmpty());
    handNote_->setText(error.isEmpty()
                           ? QStringLiteral("m 萬子  p 筒子  s 索子  z 字牌  + 和了牌  ( ) 鳴き  "
                                            "[ ] アンカン  d ドラ  空欄で Enter は計算")
                           : error);
    handNote_->style()->unpolish(handNote_);
    handNote_->style()->polish(handNote_);
}

void TenhoWindow::showWaits()
{
    if (!canListWaits(model_)) return;
    const WaitList list = listWaits(model_);
    WaitsDialog dialog(list, this);
    const int row = dialog.run();
    if (row < 0) return;
    const Code tile = list.waits[static_cast<std::size_t>(row)].tile;
    act([&] { model_.Frame7_DragDrop(paletteIndex(tile)); });
}

void TenhoWindow::keyPressEvent(QKeyEvent* event)
{
    // What reaches the window has not been used by the control with the
    // focus; a held key does not calculate again and again.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        if (!event->isAutoRepeat()) cmdKEISAN_->click();
        event->accept();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

void TenhoWindow::refresh()
{
    setWindowTitle(qs(model_.caption));
    for (std::size_t i = 0; i < hai_.size(); ++i) hai_[i]->setPicture(model_.HAI[i]);
    for (std::size_t i = 0; i < tHai_.size(); ++i) tHai_[i]->setPicture(model_.T_HAI[i]);
    for (std::size_t j = 0; j < jump_.size(); ++j) jump_[j]->setPicture(model_.JUMP[j]);
    for (std::size_t k = 1; k <= 4; ++k) {
        for (std::size_t i = 0; i < 4; ++i) naki_[k][i]->setPicture(model_.NAKI[k][i]);
        for (std::size_t i = 0; i < 2; ++i) kanKan_[k][i]->setPicture(model_.KAN_KAN[k][i]);
    }
    for (std::size_t i = 0; i < dora_.size(); ++i) dora_[i]->setPicture(model_.DORA[i]);
    endpai_->setPicture(model_.ENDPAI);

    tumoEnd_->setChecked(model_.TUMO_END);
    ronEnd_->setChecked(model_.RON_END);
    for (auto [list, row] : {std::pair{iList_, model_.I_list}, std::pair{bList_, model_.B_list}}) {
        const QSignalBlocker block(list);
        if (row < 0 || row >= list->count()) {
            list->setCurrentRow(-1);
            list->clearSelection();
        } else {
            list->setCurrentRow(row);
        }
    }
    for (std::size_t i = 0; i < cOption_.size(); ++i) {
        const QSignalBlocker block(cOption_[i]);
        cOption_[i]->setChecked(model_.C_OPTION[i].value == 1);
        cOption_[i]->setEnabled(model_.C_OPTION[i].enabled);
    }
    if (machi_) machi_->setEnabled(canListWaits(model_));
}

TilePicture* TenhoWindow::picture(const QString& name, int index) const
{
    const auto pick = [index](const auto& array) -> TilePicture* {
        return index >= 0 && index < static_cast<int>(array.size())
                   ? array[static_cast<std::size_t>(index)]
                   : nullptr;
    };
    if (name == QLatin1String("HAI")) return pick(hai_);
    if (name == QLatin1String("T_HAI")) return pick(tHai_);
    if (name == QLatin1String("JUMP")) return pick(jump_);
    if (name == QLatin1String("DORA")) return pick(dora_);
    if (name == QLatin1String("ENDPAI")) return index == 0 ? endpai_ : nullptr;
    for (int k = 1; k <= 4; ++k) {
        const auto kk = static_cast<std::size_t>(k);
        if (name == QStringLiteral("NAKI%1").arg(k)) return pick(naki_[kk]);
        if (name == QStringLiteral("KAN_KAN%1").arg(k)) return pick(kanKan_[kk]);
    }
    return nullptr;
}

}  // namespace tenho::qt
