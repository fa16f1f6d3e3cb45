// The welcome text of the introduction page, as setup.cfg may supply it.
#pragma once
#include <string>
#include <string_view>

// The most of the "Intro Text" value the page uses: the profile read gets a
// buffer of 256 characters.
constexpr size_t kIntroTextMax = 255;

// The page's text from the value of "Intro Text": at most kIntroTextMax
// characters of it, every "^" a line feed. An empty value gives
// `defaultText` unchanged.
std::string IntroText(std::string_view cfgValue, std::string_view defaultText);
