// SPDX-License-Identifier: GPL-3.0-or-later
// The window on a real QtHost, and the few helpers the widget tests share.
#pragma once

#include "entry/qt/fonts.h"
#include "entry/qt/tenho_window.h"
#include "entry/qt/tile_picture.h"
#include "model/tenho.h"
#include "shell/qt/qt_host.h"

#include <QApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace tenho::testing {

inline int src(const char* code) { return paletteIndex(Code::fromText(code)); }

// The real host with the beep counted, the desktop's "open" recorded instead
// of starting a browser and, where a test scripts them, the call dialogs
// answered without showing them. Message boxes are recorded, and shown only
// while showMessages is on.
class CountingHost : public qt::QtHost {
public:
    void beep() override { ++beeps; }
    void openUrl(const QUrl& url) override { openedUrls.push_back(url); }
    void messageBox(std::string_view text) override
    {
        messages.emplace_back(text);
        if (showMessages) QtHost::messageBox(text);
    }
    void shellOpen(std::string_view target, std::string_view folder, bool desktop) override
    {
        shellTargets.emplace_back(target);
        QtHost::shellOpen(target, folder, desktop);
    }

    NakiCheckButton showNakiCheck(bool chiVisible) override
    {
        nakiChiVisible.push_back(chiVisible);
        if (nakiAnswers.empty()) return QtHost::showNakiCheck(chiVisible);
        const NakiCheckButton a = nakiAnswers.front();
        nakiAnswers.pop_front();
        return a;
    }

    KanCheckButton showKanCheck() override
    {
        if (kanAnswers.empty()) return QtHost::showKanCheck();
        const KanCheckButton a = kanAnswers.front();
        kanAnswers.pop_front();
        return a;
    }

    int beeps = 0;
    std::vector<QUrl> openedUrls;
    std::vector<std::string> messages;
    bool showMessages = true;
    std::vector<std::string> shellTargets;
    std::deque<NakiCheckButton> nakiAnswers;
    std::deque<KanCheckButton> kanAnswers;
    std::vector<bool> nakiChiVisible;
};

// A started calculator in its window.
struct Table {
    CountingHost host;
    TENHO model{host};
    std::unique_ptr<qt::TenhoWindow> window;

    Table()
    {
        model.Form_Load();
        window = std::make_unique<qt::TenhoWindow>(model);
        host.setOwner(window.get());
        window->show();
    }

    qt::TilePicture* picture(const char* name, int index = 0) const
    {
        return window->picture(QString::fromLatin1(name), index);
    }

    template <class W = QWidget> W* control(const char* name) const
    {
        return window->findChild<W*>(QString::fromLatin1(name));
    }
};

// Sends the drop of palette tile `source` on `target`, as the drag manager
// would at the end of a drag, and lets the deferred handler run. True when
// the drop was taken (the pointer showed that it would be).
inline bool dropOn(QWidget* target, int source)
{
    std::unique_ptr<QMimeData> mime(qt::paletteMimeData(source));
    const QPointF at = QRectF(target->rect()).center();
    QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, mime.get(), Qt::LeftButton, {});
    QApplication::sendEvent(target, &enter);
    QDropEvent drop(at, Qt::CopyAction, mime.get(), Qt::LeftButton, {});
    QApplication::sendEvent(target, &drop);
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    return enter.isAccepted() && enter.dropAction() == Qt::CopyAction && drop.isAccepted() &&
           drop.dropAction() == Qt::CopyAction;
}

inline void click(QWidget* w)
{
    QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center());
    QCoreApplication::processEvents();
}

// Runs `act` on the next modal dialog once it is up (the dialog's exec()
// would otherwise wait for a person).
inline void whenModal(std::function<void(QWidget*)> act)
{
    auto* poll = new QTimer;
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, [poll, act] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr || !modal->isVisible()) return;
        poll->stop();
        poll->deleteLater();
        act(modal);
    });
    poll->start();
}

// The button of a modal dialog with this caption.
inline QPushButton* buttonOf(QWidget* dialog, const QString& caption)
{
    for (QPushButton* b : dialog->findChildren<QPushButton*>())
        if (b->text() == caption) return b;
    return nullptr;
}

}  // namespace tenho::testing
