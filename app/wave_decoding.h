#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

/// Decodes the WAVE file `bytes` into mono 16-bit samples at the mix rate, converting its
/// format as needed. A damaged or truncated file gives no samples and says why in `fault`.
std::optional<std::vector<std::int16_t>> DecodeWave(const std::vector<std::uint8_t>& bytes,
                                                    std::string& fault);
