#pragma once

// Whether Caps Lock, Num Lock and Scroll Lock are on, as far as the display tells it.
struct CLockIndicators {
    bool bKnown = false;
    bool bCaps = false;
    bool bNum = false;
    bool bScroll = false;

    // Read from the keyboard extension of an X11 display; unknown elsewhere.
    static CLockIndicators Read();
};
