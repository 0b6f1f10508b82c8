#pragma once

#include "app/main_window.h"
#include "app/splash_screen.h"

/// Leaves `form` as it stands once the splash screen has gone at a click: enabled, with the
/// attract animation free to run.
inline void SplashGone(TForm1& form) {
    TForm7 splash;
    splash.HandOverTo(form, form.GameState().attractPaused);
    splash.FormClick();
}
