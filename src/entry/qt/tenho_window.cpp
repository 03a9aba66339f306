// SPDX-License-Identifier: GPL-3.0-or-later

#include "entry/qt/tenho_window.h"

#include "entry/qt/fonts.h"
#include "entry/qt/tile_art.h"
#include "entry/qt/tile_picture.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QListWidget>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
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

const char* const kTableStyle = R"(
QGroupBox {
    color: #f6eed2;
    font-weight: bold;
    border: 1px solid rgba(255, 255, 255, 64);
    border-radius: 7px;
    background: rgba(0, 0, 0, 40);
    margin-top: 10px;
    padding: 12px 8px 7px 8px;
}
QGroupBox::title {
    subcontrol-origin: margin;
    subcontrol-position: top left;
    left: 10px;
    padding: 0 4px;
}
QGroupBox#Frame8 { margin-top: 0px; padding: 7px 8px 7px 8px; }
QCheckBox, QRadioButton { spacing: 5px; }
QListWidget {
    background: #fbf6e6;
    color: #1c1c2a;
    border: 1px solid #0c3520;
    border-radius: 3px;
    outline: none;
}
QListWidget::item { padding: 1px 6px; }
QListWidget::item:selected { background: #b8242a; color: #ffffff; }
QPushButton#cmdKEISAN, QPushButton#cmdRESET {
    color: #2b1d0c;
    font-weight: bold;
    border: 1px solid #5c3c12;
    border-radius: 6px;
    padding: 6px 12px;
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #fff3d6, stop:1 #e0c48d);
}
QPushButton#cmdKEISAN:hover, QPushButton#cmdRESET:hover {
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #fff8e6, stop:1 #ebd3a1);
}
QPushButton#cmdKEISAN:pressed, QPushButton#cmdRESET:pressed {
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #d9bb83, stop:1 #f3e1b8);
}
)";

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
    auto* felt = new Felt(this);
    felt->setStyleSheet(QString::fromLatin1(kTableStyle));
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
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    refresh();
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
    return framed(frame, row);
}

QWidget* TenhoWindow::buildLeftColumn()
{
    auto* column = new QWidget(centralWidget());
    // Captions in cream on the felt; the marks inside the boxes keep their ink.
    QPalette palette = column->palette();
    palette.setColor(QPalette::Active, QPalette::WindowText, QColor(0xf6, 0xee, 0xd2));
    palette.setColor(QPalette::Inactive, QPalette::WindowText, QColor(0xf6, 0xee, 0xd2));
    palette.setColor(QPalette::Disabled, QPalette::WindowText, QColor(0xf6, 0xee, 0xd2, 105));
    column->setPalette(palette);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 4, 0, 0);
    layout->setSpacing(10);

    auto* winKind = new QHBoxLayout;
    tumoEnd_ = new QRadioButton(QStringLiteral("ツモ"), column);
    tumoEnd_->setObjectName(QStringLiteral("TUMO_END"));
    ronEnd_ = new QRadioButton(QStringLiteral("ロン"), column);
    ronEnd_->setObjectName(QStringLiteral("RON_END"));
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
    connect(button("cmdKEISAN", QStringLiteral("計算")), &QPushButton::clicked, this,
            [this] { act([&] { model_.cmdKEISAN_Click(); }); });
    connect(button("cmdRESET", QStringLiteral("リセット")), &QPushButton::clicked, this,
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
                               auto handler) {
        QAction* a = menu->addAction(caption);
        a->setObjectName(QString::fromLatin1(name));
        connect(a, &QAction::triggered, this,
                [this, handler] { act([&] { (model_.*handler)(); }); });
    };
    QMenu* setei = menuBar()->addMenu(QStringLiteral("設定"));
    setei->setObjectName(QStringLiteral("SETEI"));
    action(setei, "SYSTEM", QStringLiteral("オプション..."), &TENHO::SYSTEM_Click);
    QMenu* etc = menuBar()->addMenu(QStringLiteral("その他"));
    etc->setObjectName(QStringLiteral("ETC"));
    action(etc, "HELP", QStringLiteral("ヘルプ"), &TENHO::HELP_Click);
    action(etc, "HP_URL", QStringLiteral("ホームページ"), &TENHO::HP_URL_Click);
    action(etc, "VER", QStringLiteral("バージョン情報..."), &TENHO::VER_Click);
}

void TenhoWindow::refresh()
{
    setWindowTitle(QString::fromStdString(model_.caption));
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
