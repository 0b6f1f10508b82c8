#pragma once

#include "play/platform.h"

/// The UrlOpener seam over QDesktopServices: the desktop's browser opens the address.
class DesktopUrlOpener : public UrlOpener {
public:
    bool Open(const std::string& url) override;
};
