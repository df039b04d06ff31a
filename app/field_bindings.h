#pragma once
// A page's controls that mirror record fields one to one, as data: the frame loads them when
// the page opens and stores them when it is left, so a page only codes what no table says.

#include "platform/port.h"
#include "settings/launch_settings.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <span>

struct FieldBinding {
    enum class Kind {
        flag,   // a check box and a 0/1 field, stored on leaving
        choice, // a radio group and a field holding the chosen radio's id, written at the click
        text,   // a text box and a text field, typed and stored up to maxChars
    };
    static constexpr std::size_t kMaxRadios = 6;

    Kind kind = Kind::flag;
    std::array<int, kMaxRadios> ids{}; // the controls; a flag or a text has one
    std::size_t idCount = 1;
    int32_t LaunchSettings::*number = nullptr;               // flag and choice
    std::span<char> (*textField)(LaunchSettings&) = nullptr; // text
    std::size_t maxChars = 0;

    std::span<const int> controls() const { return {ids.data(), idCount}; }
};

constexpr FieldBinding flag(int id, int32_t LaunchSettings::*field) {
    return {FieldBinding::Kind::flag, {id}, 1, field, nullptr, 0};
}

constexpr FieldBinding choice(std::initializer_list<int> radios, int32_t LaunchSettings::*field) {
    FieldBinding b{FieldBinding::Kind::choice, {}, 0, field, nullptr, 0};
    for (int id : radios)
        b.ids[b.idCount++] = id;
    return b;
}

// Radios first to last, numbered one after the other.
constexpr FieldBinding choiceRange(int first, int last, int32_t LaunchSettings::*field) {
    FieldBinding b{FieldBinding::Kind::choice, {}, 0, field, nullptr, 0};
    for (int id = first; id <= last; ++id)
        b.ids[b.idCount++] = id;
    return b;
}

// A text box stored into a text field, cut to maxChars (never more than the field holds).
template <auto field> constexpr FieldBinding text(int id, std::size_t maxChars) {
    constexpr auto view = [](LaunchSettings& s) -> std::span<char> { return s.*field; };
    return {FieldBinding::Kind::text, {id}, 1, nullptr, +view, maxChars};
}

// Checks the controls that the record names: a flag when it is exactly 1, the radio whose id
// the choice holds (none for a value that names no radio); fills the text boxes and limits
// their typing to what is stored.
void loadFields(std::span<const FieldBinding> fields, LaunchSettings& s, PageWindow& window);
// Keeps the check boxes and text boxes; choices were written at their click.
void storeFields(std::span<const FieldBinding> fields, LaunchSettings& s, PageWindow& window);
// A click on a radio of a choice writes its id; returns whether the id was such a radio.
bool writeChoiceAtClick(std::span<const FieldBinding> fields, LaunchSettings& s, int id);
