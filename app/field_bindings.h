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

// Whether a mask bit is set when its box is checked, or (for a rule on by default) when it is
// not.
enum class BitSetWhen { checked, unchecked };

struct FieldBinding {
    enum class Kind {
        flag,    // a check box and a 0/1 field, stored on leaving
        toggle,  // a check box whose field flips at the click: 0 to 1, anything else to 0
        maskBit, // a flag that also sets or clears its bit of a mask field, stored on leaving
        choice,  // a radio group and a field holding the chosen radio's id, written at the click
        text,    // a text box and a text field, typed and stored up to maxChars
    };
    static constexpr std::size_t kMaxRadios = 6;

    Kind kind = Kind::flag;
    std::array<int, kMaxRadios> ids{}; // the controls; all but a choice have one
    std::size_t idCount = 1;
    int32_t LaunchSettings::*number = nullptr;               // flag, toggle, maskBit, choice
    std::span<char> (*textField)(LaunchSettings&) = nullptr; // text
    std::size_t maxChars = 0;
    int32_t LaunchSettings::*mask = nullptr; // maskBit
    int32_t bit = 0;
    BitSetWhen setWhen = BitSetWhen::checked;
    // maskBit: stored only while this holds (always without one).
    bool (*storedWhile)(const LaunchSettings&) = nullptr;

    std::span<const int> controls() const { return {ids.data(), idCount}; }
};

constexpr FieldBinding flag(int id, int32_t LaunchSettings::*field) {
    return {.kind = FieldBinding::Kind::flag, .ids = {id}, .number = field};
}

constexpr FieldBinding toggle(int id, int32_t LaunchSettings::*field) {
    return {.kind = FieldBinding::Kind::toggle, .ids = {id}, .number = field};
}

constexpr FieldBinding maskBit(int id, int32_t LaunchSettings::*field,
                               int32_t LaunchSettings::*mask, int32_t bit, BitSetWhen setWhen,
                               bool (*storedWhile)(const LaunchSettings&) = nullptr) {
    return {.kind = FieldBinding::Kind::maskBit,
            .ids = {id},
            .number = field,
            .mask = mask,
            .bit = bit,
            .setWhen = setWhen,
            .storedWhile = storedWhile};
}

constexpr FieldBinding choice(std::initializer_list<int> radios, int32_t LaunchSettings::*field) {
    FieldBinding b{.kind = FieldBinding::Kind::choice, .idCount = 0, .number = field};
    for (int id : radios)
        b.ids[b.idCount++] = id;
    return b;
}

// Radios first to last, numbered one after the other.
constexpr FieldBinding choiceRange(int first, int last, int32_t LaunchSettings::*field) {
    FieldBinding b{.kind = FieldBinding::Kind::choice, .idCount = 0, .number = field};
    for (int id = first; id <= last; ++id)
        b.ids[b.idCount++] = id;
    return b;
}

// A text box stored into a text field, cut to maxChars (never more than the field holds).
template <auto field> constexpr FieldBinding text(int id, std::size_t maxChars) {
    constexpr auto view = [](LaunchSettings& s) -> std::span<char> { return s.*field; };
    return {
        .kind = FieldBinding::Kind::text, .ids = {id}, .textField = +view, .maxChars = maxChars};
}

// Checks the controls that the record names: a check box when its field is exactly 1, the
// radio whose id the choice holds (none for a value that names no radio); fills the text
// boxes and limits their typing to what is stored.
void loadFields(std::span<const FieldBinding> fields, LaunchSettings& s, PageWindow& window);
// Keeps the check boxes, mask bits and text boxes in table order; choices and toggles were
// written at their click.
void storeFields(std::span<const FieldBinding> fields, LaunchSettings& s, PageWindow& window);
// A click on a radio of a choice writes its id, a click on a toggle flips its field; returns
// whether the id was such a control.
bool writeAtClick(std::span<const FieldBinding> fields, LaunchSettings& s, PageWindow& window,
                  int id);
// Sets or clears one bit of a mask.
void setBit(int32_t& mask, int32_t bit, bool set);
