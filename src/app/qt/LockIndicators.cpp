#include "LockIndicators.h"

#include <QGuiApplication>

#include <X11/XKBlib.h>

namespace {

bool IndicatorOn(Display* display, const char* name)
{
    const Atom atom = XInternAtom(display, name, True);
    if (atom == None)
        return false;
    Bool bOn = False;
    if (!XkbGetNamedIndicator(display, atom, nullptr, &bOn, nullptr, nullptr))
        return false;
    return bOn != False;
}

}  // namespace

CLockIndicators CLockIndicators::Read()
{
    CLockIndicators state;
    auto* x11 = qGuiApp != nullptr ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    Display* display = x11 != nullptr ? x11->display() : nullptr;
    if (display == nullptr)
        return state;
    state.bKnown = true;
    state.bCaps = IndicatorOn(display, "Caps Lock");
    state.bNum = IndicatorOn(display, "Num Lock");
    state.bScroll = IndicatorOn(display, "Scroll Lock");
    return state;
}
