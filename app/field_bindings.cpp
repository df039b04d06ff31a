#include "app/field_bindings.h"

#include <algorithm>
#include <string>
#include <string_view>

namespace {

std::string_view textOf(std::span<const char> field) {
    return {field.data(),
            static_cast<std::size_t>(std::find(field.begin(), field.end(), '\0') - field.begin())};
}

// Text and terminator, cut to what the field and the binding allow; the bytes behind the
// terminator keep what they held.
void storeText(std::span<char> field, std::string_view text, std::size_t maxChars) {
    const std::size_t length = std::min({text.size(), maxChars, field.size() - 1});
    std::copy_n(text.data(), length, field.data());
    field[length] = '\0';
}

} // namespace

void loadFields(std::span<const FieldBinding> fields, LaunchSettings& s, PageWindow& window) {
    for (const FieldBinding& b : fields) {
        switch (b.kind) {
        case FieldBinding::Kind::flag:
        case FieldBinding::Kind::toggle:
        case FieldBinding::Kind::maskBit:
            window.setChecked(b.ids[0], s.*b.number == 1);
            break;
        case FieldBinding::Kind::choice:
            for (int id : b.controls())
                window.setChecked(id, s.*b.number == id);
            break;
        case FieldBinding::Kind::text:
            // The player can type no more than is stored; a loaded text still shows whole.
            window.limitTyping(b.ids[0], std::min(b.maxChars, b.textField(s).size() - 1));
            window.setItemText(b.ids[0], textOf(b.textField(s)));
            break;
        }
    }
}

void storeFields(std::span<const FieldBinding> fields, LaunchSettings& s, PageWindow& window) {
    for (const FieldBinding& b : fields) {
        if (b.kind == FieldBinding::Kind::flag) {
            s.*b.number = window.isChecked(b.ids[0]) ? 1 : 0;
        } else if (b.kind == FieldBinding::Kind::maskBit) {
            if (b.storedWhile && !b.storedWhile(s))
                continue;
            const bool checked = window.isChecked(b.ids[0]);
            s.*b.number = checked ? 1 : 0;
            setBit(s.*b.mask, b.bit, checked == (b.setWhen == BitSetWhen::checked));
        } else if (b.kind == FieldBinding::Kind::text) {
            storeText(b.textField(s), window.itemText(b.ids[0], b.maxChars + 1), b.maxChars);
        }
    }
}

bool writeAtClick(std::span<const FieldBinding> fields, LaunchSettings& s, PageWindow& window,
                  int id) {
    for (const FieldBinding& b : fields) {
        const auto ids = b.controls();
        if (std::find(ids.begin(), ids.end(), id) == ids.end())
            continue;
        if (b.kind == FieldBinding::Kind::choice) {
            s.*b.number = id;
            return true;
        }
        if (b.kind == FieldBinding::Kind::toggle) {
            s.*b.number = s.*b.number == 0 ? 1 : 0;
            window.setChecked(id, s.*b.number == 1);
            return true;
        }
    }
    return false;
}

void setBit(int32_t& mask, int32_t bit, bool set) {
    mask = set ? mask | bit : mask & ~bit;
}
