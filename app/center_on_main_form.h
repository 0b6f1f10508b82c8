#pragma once

#include <QWidget>

/// Places `window` centred over `mainForm` by their outer bounds, before it is shown.
void CenterOnMainForm(QWidget& window, const QWidget& mainForm);
