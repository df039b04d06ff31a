#pragma once
// The video drivers and modes the video pages offer; videoDriver and videoMode hold
// positions in these tables counted from 1.

#include <array>
#include <string_view>

inline constexpr std::array<std::string_view, 7> videoDriverNames{
    "Software",      "Default OpenGL", "3DFX OpenGL",    "PowerVR OpenGL",
    "Verite OpenGL", "Riva OpenGL",    "ATI Rage OpenGL"};

inline constexpr std::array<std::string_view, 9> videoModeNames{
    "320 X 240",  "400 X 300",  "512 X 384",  "640 X 480",  "800 X 600",
    "1024 X 768", "1152 X 864", "1280 X 960", "1600 X 1200"};

constexpr std::size_t kVideoDriverSlot = 30;
constexpr std::size_t kVideoModeSlot = 20;
