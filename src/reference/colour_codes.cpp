// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "reference/colour_codes.h"

namespace reference {
namespace {

constexpr Rgb grey = {192, 192, 192};

} // namespace

// The rows are not evenly spaced, and the last one sits a pixel further right.
const std::array<ColourCodeRow, 11> colourCodeTable = {{
    {8, 11, 202, {"&4 深红", {190, 0, 0}}, {"&1 深蓝", {0, 0, 255}}},
    {43, 11, 202, {"&c 红色", {255, 0, 0}}, {"&9 浅蓝", {62, 64, 255}}},
    {78, 11, 202, {"&6 暗黄", {216, 164, 50}}, {"&d 粉色", {255, 0, 255}}},
    {113, 11, 202, {"&e 黄色", {255, 255, 0}}, {"&5 紫色", {198, 2, 192}}},
    {148, 11, 202, {"&2 深绿", {1, 191, 2}}, {"&f 白色", {255, 255, 255}}},
    {183, 11, 202, {"&a 绿色", {0, 255, 0}}, {"&7 浅灰", {192, 192, 192}}},
    {218, 11, 202, {"&b 青色", {0, 255, 255}}, {"&8 深灰", {96, 96, 96}}},
    {256, 11, 202, {"&3 暗青", {1, 191, 186}}, {"&0 黑色", {0, 0, 0}}},
    {312, 11, 202, {"&l 加粗", grey}, {"&k 随机字", grey}},
    {352, 11, 202, {"&n 下划线", grey}, {"&m 删除线", grey}},
    {392, 12, 203, {"&o 斜体", grey}, {"&r 重置", grey}},
}};

} // namespace reference
