#pragma once

#include "display/DisplayWindows.h"
#include "display/PlatformWindow.h"
#include "display/WindowPDFxSuper.h"
#include "platform/ManualTimers.h"
#include "platform/NotificationCenter.h"

#include <QStringList>
#include <QVariantMap>
#include <memory>
#include <vector>

namespace partivo {

// A platform window that records what the logic asked of it.
struct FakePlatform : PlatformWindow {
    QStringList calls;
    bool key = false;
    int screen = 0;
    bool fullScreen = false;
    QSizeF size{800, 600};
    QColor background;
    bool opaque = true;
    bool floating = false;
    std::function<void()> onClose;

    void setOpaqueBackground(bool o, const QColor& c) override
    {
        opaque = o;
        background = c;
    }
    void setFloating(bool f, bool) override
    {
        floating = f;
        calls << (f ? "float" : "normal");
    }
    void setShadow(bool) override {}
    void orderFront() override { calls << "front"; }
    void makeKeyAndOrderFront() override { calls << "makeKey"; }
    bool isKeyWindow() const override { return key; }
    bool isMainWindow() const override { return key; }
    int screenIndex() const override { return screen; }
    QSizeF frameSize() const override { return size; }
    QRect frame{0, 0, 800, 600};
    QRect frameRect() const override { return frame; }
    void setFrameRect(const QRect& f) override
    {
        frame = f;
        size = f.size();
    }
    bool isPlatformFullScreen() const override { return fullScreen; }
    void enterFullScreen() override
    {
        fullScreen = true;
        calls << "enterFullScreen";
    }
    void exitFullScreen() override
    {
        fullScreen = false;
        calls << "exitFullScreen";
    }
    void closeWindow() override
    {
        calls << "close";
        if (onClose)
            onClose();
    }
};

// A window that records the broadcast operations it received, by name.
class RecordingWindow : public WindowPDFxSuper {
public:
    using WindowPDFxSuper::WindowPDFxSuper;
    QStringList log;

    void pageUpDown(bool down) override { log << (down ? "pageDown" : "pageUp"); }
    void updateMetroWithNbTick(int ticks, bool masquer, bool reset) override
    {
        log << QStringLiteral("metro %1 %2 %3").arg(ticks).arg(masquer).arg(reset);
    }
    void ajusterSelonModeAffichageWithRefresh(bool refresh) override
    {
        log << QStringLiteral("mode %1 %2").arg(settings().modeAffichage).arg(refresh);
    }
    void refreshPDF() override { log << "refreshPDF"; }
    void refreshInfo() override { log << "refreshInfo"; }
    void afficherToc(bool show, int, bool) override { log << QStringLiteral("toc %1").arg(show); }
    void ajusterCadre() override { log << QStringLiteral("cadre %1").arg(shown().zoomOn); }
    void ajusterDimmer(double d, double i) override
    {
        log << QStringLiteral("dimmer %1 %2").arg(d).arg(i);
    }
    void updateRechInfo2(const SearchDisplay& info) override { log << "rech " + info.text; }

protected:
    void flagChanged(WindowFlag flag) override { log << QStringLiteral("flag %1").arg(int(flag)); }
    void colorChanged(int index, bool refresh) override
    {
        log << QStringLiteral("color %1 %2").arg(index).arg(refresh);
    }
};

// Windows of the given types in one list, each with a platform double, on the manual clock,
// with a record of the key commands posted.
struct WindowsRig {
    ManualTimers timers;
    NotificationCenter center;
    DisplayWindows windows{center};
    std::vector<std::unique_ptr<RecordingWindow>> logic;
    std::vector<std::unique_ptr<FakePlatform>> platforms;
    QList<int> keys;

    WindowsRig()
    {
        center.addObserver(QLatin1String(action::Key), [this](const QVariant& p) {
            keys.append(p.toMap().value(QLatin1String(kCommandParam)).toInt());
        });
    }
    RecordingWindow& add(int winType, const QString& id = QString())
    {
        logic.push_back(std::make_unique<RecordingWindow>(winType, windows, center, timers));
        platforms.push_back(std::make_unique<FakePlatform>());
        RecordingWindow& w = *logic.back();
        w.setPlatformWindow(platforms.back().get());
        windows.append(&w);
        if (!id.isEmpty())
            w.iniMode(1, id);
        return w;
    }
    FakePlatform& platform(int i) { return *platforms[size_t(i)]; }
    RecordingWindow& at(int i) { return *logic[size_t(i)]; }
    void clearLogs()
    {
        for (auto& w : logic)
            w->log.clear();
        keys.clear();
    }
};

} // namespace partivo
