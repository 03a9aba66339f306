// SPDX-License-Identifier: GPL-3.0-or-later

#include "entry/qt/waits_dialog.h"

#include "entry/qt/fonts.h"
#include "entry/qt/table_look.h"
#include "entry/qt/tile_art.h"

#include <QApplication>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>

namespace tenho::qt {

namespace {

QString qs(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The result dialog's fonts, three quarters of their size: a table row is a
// small copy of the dialog.
constexpr qreal kScale = 0.75;
constexpr qreal kYakuPointSize = 14.25 * kScale;
constexpr qreal kTotalPointSize = 18.0 * kScale;
constexpr qreal kFuPointSize = 18.0 * kScale;
constexpr int kPadding = 8;
constexpr int kColumnGap = 16;  // between a yaku and its han
constexpr int kMaxTableHeight = 560;

enum Column { TileColumn, RonColumn, TsumoColumn };

// The lines of a label, without their CR LF ends or the empty line after the last.
QStringList labelLines(const std::string& text)
{
    QStringList lines = qs(text).split(QStringLiteral("\r\n"));
    if (!lines.isEmpty() && lines.back().isEmpty()) lines.pop_back();
    return lines;
}

// One result as the dialog lays it out: yaku and their han in two columns,
// a rule, the fu on the left and the total on the right, the payment on the
// right below.
struct ResultLayout {
    QStringList names;
    QStringList han;
    QString total;
    QString fu;
    QString payment;
    QFont yakuFont = minchoFont(kYakuPointSize, true);
    QFont totalFont = minchoFont(kTotalPointSize, true);
    QFont fuFont = gothicFont(kFuPointSize);
    QFont paymentFont;

    explicit ResultLayout(const HAN_number& d)
        : names(labelLines(d.Label1)), han(labelLines(d.Label2)), total(qs(d.Label3)),
          fu(d.Label5Visible ? qs(d.Label5) : QString()), payment(qs(d.Label4)),
          paymentFont(minchoFont(d.Label4FontSize * kScale, true))
    {
    }

    int yakuRows() const { return static_cast<int>(std::max(names.size(), han.size())); }
    bool hasFoot() const { return !total.isEmpty() || !fu.isEmpty() || !payment.isEmpty(); }
    int footHeight() const
    {
        if (!hasFoot()) return 0;
        int h = 5;  // the rule and the room around it
        if (!total.isEmpty() || !fu.isEmpty())
            h += std::max(QFontMetrics(totalFont).height(), QFontMetrics(fuFont).height());
        if (!payment.isEmpty()) h += QFontMetrics(paymentFont).height();
        return h;
    }

    QSize size() const
    {
        const QFontMetrics yaku(yakuFont);
        int width = 0;
        for (int i = 0; i < yakuRows(); ++i) {
            const int name = i < names.size() ? yaku.horizontalAdvance(names[i]) : 0;
            const int h = i < han.size() ? yaku.horizontalAdvance(han[i]) : 0;
            width = std::max(width, name + kColumnGap + h);
        }
        width = std::max(width, QFontMetrics(fuFont).horizontalAdvance(fu) + kColumnGap +
                                    QFontMetrics(totalFont).horizontalAdvance(total));
        width = std::max(width, QFontMetrics(paymentFont).horizontalAdvance(payment));
        return {width + 2 * kPadding, yakuRows() * yaku.height() + footHeight() + 2 * kPadding};
    }

    void paint(QPainter& p, const QRect& cell, const QColor& ink) const
    {
        const QRect r = cell.adjusted(kPadding, kPadding, -kPadding, -kPadding);
        p.setPen(ink);
        p.setFont(yakuFont);
        const int line = QFontMetrics(yakuFont).height();
        int y = r.top();
        for (int i = 0; i < yakuRows(); ++i, y += line) {
            const QRect row(r.left(), y, r.width(), line);
            if (i < names.size()) p.drawText(row, Qt::AlignLeft | Qt::AlignVCenter, names[i]);
            if (i < han.size()) p.drawText(row, Qt::AlignRight | Qt::AlignVCenter, han[i]);
        }
        if (!hasFoot()) return;
        QColor rule = ink;
        rule.setAlphaF(0.45f);
        p.setPen(rule);
        p.drawLine(r.left(), y + 2, r.right(), y + 2);
        y += 5;
        p.setPen(ink);
        if (!total.isEmpty() || !fu.isEmpty()) {
            const int h = std::max(QFontMetrics(totalFont).height(), QFontMetrics(fuFont).height());
            const QRect row(r.left(), y, r.width(), h);
            p.setFont(fuFont);
            p.drawText(row, Qt::AlignLeft | Qt::AlignVCenter, fu);
            p.setFont(totalFont);
            p.drawText(row, Qt::AlignRight | Qt::AlignVCenter, total);
            y += h;
        }
        if (!payment.isEmpty()) {
            p.setFont(paymentFont);
            p.drawText(QRect(r.left(), y, r.width(), QFontMetrics(paymentFont).height()),
                       Qt::AlignRight | Qt::AlignVCenter, payment);
        }
    }
};

// Draws the ロン and ツモ cells as the result dialog lays out its labels.
class ResultDelegate : public QStyledItemDelegate {
public:
    ResultDelegate(const std::vector<Wait>& waits, QObject* parent)
        : QStyledItemDelegate(parent), waits_(waits)
    {
    }

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override
    {
        QStyleOptionViewItem o = option;
        initStyleOption(&o, index);
        o.text.clear();  // the background and the selection only
        const QWidget* view = option.widget;
        QStyle* style = view ? view->style() : QApplication::style();
        style->drawControl(QStyle::CE_ItemViewItem, &o, painter, view);
        const bool selected = option.state & QStyle::State_Selected;
        const QPalette::ColorGroup group =
            option.state & QStyle::State_Active ? QPalette::Active : QPalette::Inactive;
        painter->save();
        layout(index).paint(
            *painter, option.rect,
            option.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text));
        painter->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex& index) const override
    {
        return layout(index).size();
    }

private:
    ResultLayout layout(const QModelIndex& index) const
    {
        const Wait& w = waits_[static_cast<std::size_t>(index.row())];
        return ResultLayout(index.column() == RonColumn ? w.ron : w.tsumo);
    }

    const std::vector<Wait>& waits_;
};

// The tile as the table draws it, the same in a chosen row: a tile is not
// tinted by the selection.
QIcon tableTile(int image, qreal devicePixelRatio)
{
    QPixmap pixmap(kTileSize * devicePixelRatio);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    paintTile(p, QRectF(QPointF(), QSizeF(kTileSize)), image);
    p.end();
    QIcon icon;
    icon.addPixmap(pixmap, QIcon::Normal);
    icon.addPixmap(pixmap, QIcon::Selected);
    return icon;
}

// The result as text, for what reads the cell rather than looks at it.
QString resultCellText(const HAN_number& d)
{
    QString text = qs(resultText(d));
    if (text.endsWith(QLatin1Char('\n'))) text.chop(1);
    return text;
}

}  // namespace

WaitsDialog::WaitsDialog(const WaitList& list, QWidget* parent)
    : QDialog(parent), waits_(list.waits)
{
    setObjectName(QStringLiteral("MACHI_list"));
    setWindowTitle(QStringLiteral("待ち一覧"));
    setModalFrame(this);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(14, 12, 14, 12);
    column->setSpacing(10);

    if (waits_.empty()) {
        note_ = new QLabel(
            list.message.empty() ? QStringLiteral("聴牌していません") : qs(list.message), this);
        note_->setObjectName(QStringLiteral("MACHI_note"));
        note_->setTextFormat(Qt::PlainText);
        note_->setFont(minchoFont(kYakuPointSize, true));
        note_->setAlignment(Qt::AlignCenter);
        note_->setMargin(10);
        column->addWidget(note_);
    } else {
        table_ = new QTableWidget(static_cast<int>(waits_.size()), 3, this);
        table_->setObjectName(QStringLiteral("MACHI_grid"));
        table_->setHorizontalHeaderLabels(
            {QStringLiteral("和了牌"), QStringLiteral("ロン"), QStringLiteral("ツモ")});
        table_->horizontalHeader()->setFont(gothicFont(10, true));
        table_->horizontalHeader()->setSectionsClickable(false);
        table_->horizontalHeader()->setHighlightSections(false);
        table_->verticalHeader()->hide();
        table_->setSelectionBehavior(QAbstractItemView::SelectRows);
        table_->setSelectionMode(QAbstractItemView::SingleSelection);
        table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
        table_->setTabKeyNavigation(false);  // Tab goes on to the buttons
        table_->setWordWrap(false);
        table_->setShowGrid(true);
        table_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        table_->setIconSize(kTileSize);
        table_->setFont(gothicFont(11));
        auto* delegate = new ResultDelegate(waits_, table_);
        table_->setItemDelegateForColumn(RonColumn, delegate);
        table_->setItemDelegateForColumn(TsumoColumn, delegate);
        for (int r = 0; r < table_->rowCount(); ++r) {
            const Wait& w = waits_[static_cast<std::size_t>(r)];
            auto* tile = new QTableWidgetItem(qs(tileName(w.tile)));
            tile->setIcon(tableTile(paletteIndex(w.tile), devicePixelRatioF()));
            tile->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
            table_->setItem(r, TileColumn, tile);
            table_->setItem(r, RonColumn, new QTableWidgetItem(resultCellText(w.ron)));
            table_->setItem(r, TsumoColumn, new QTableWidgetItem(resultCellText(w.tsumo)));
        }
        table_->resizeColumnsToContents();
        table_->resizeRowsToContents();
        table_->setColumnWidth(TileColumn, table_->columnWidth(TileColumn) + kPadding);
        // The two results side by side at the same width.
        const int result =
            std::max(table_->columnWidth(RonColumn), table_->columnWidth(TsumoColumn));
        table_->setColumnWidth(RonColumn, result);
        table_->setColumnWidth(TsumoColumn, result);

        // As large as the rows, up to a height that leaves the dialog on any screen.
        int rows = 0;
        for (int r = 0; r < table_->rowCount(); ++r) rows += table_->rowHeight(r);
        const int frame = 2 * table_->frameWidth();
        const int height = std::min(rows + table_->horizontalHeader()->sizeHint().height() + frame,
                                    kMaxTableHeight);
        int width = frame;
        for (int c = 0; c < 3; ++c) width += table_->columnWidth(c);
        if (height == kMaxTableHeight) width += table_->verticalScrollBar()->sizeHint().width();
        table_->setFixedSize(width, height);
        table_->setCurrentCell(0, TileColumn);
        connect(table_, &QTableWidget::doubleClicked, this, [this] { choose(); });
        column->addWidget(table_);
    }

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    cmdSET_ = new QPushButton(QStringLiteral("和了牌にする"), this);
    cmdSET_->setObjectName(QStringLiteral("cmdSET"));
    auto* cancel = new QPushButton(QStringLiteral("キャンセル"), this);
    cancel->setObjectName(QStringLiteral("cmdCANCEL"));
    for (QPushButton* b : {cmdSET_, cancel}) {
        b->setFont(gothicFont(10));
        b->setMinimumWidth(96);
        buttons->addWidget(b);
    }
    // Enter chooses the row; with nothing to choose it closes the dialog.
    cmdSET_->setEnabled(table_ != nullptr);
    (table_ ? cmdSET_ : cancel)->setDefault(true);
    connect(cmdSET_, &QPushButton::clicked, this, [this] { choose(); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    column->addLayout(buttons);

    if (table_)
        table_->setFocus();
    else
        cancel->setFocus();

    keepCaptionWhole(this, column);
    column->setSizeConstraint(QLayout::SetFixedSize);
}

void WaitsDialog::choose()
{
    if (!table_ || table_->currentRow() < 0) return;
    chosen_ = table_->currentRow();
    accept();
}

int WaitsDialog::run()
{
    chosen_ = -1;
    exec();
    return chosen_;
}

}  // namespace tenho::qt
