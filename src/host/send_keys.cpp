#include "host/send_keys.h"

#include <cctype>

#include "platform/utf8.h"
#include "platform/win_path.h"

namespace lt {

namespace {

struct NamedKey {
    const char* name;
    std::uint16_t vk;
};

constexpr NamedKey NamedKeys[] = {
    {"ENTER", vk::Return},  {"ESC", vk::Escape},   {"ESCAPE", vk::Escape}, {"BKSP", vk::Back},
    {"BS", vk::Back},       {"BACKSPACE", vk::Back}, {"TAB", vk::Tab},     {"HOME", vk::Home},
    {"END", vk::End},       {"LEFT", vk::Left},    {"RIGHT", vk::Right},   {"UP", vk::Up},
    {"DOWN", vk::Down},     {"PGUP", vk::PageUp},  {"PGDN", vk::PageDown}, {"INSERT", vk::Insert},
    {"INS", vk::Insert},    {"DELETE", vk::Delete}, {"DEL", vk::Delete},
};

std::optional<Keystroke> keyNamed(const std::string& name)
{
    // A single character stands for itself: {i 2}, {~}, and {  } for a blank.
    std::size_t end = 0;
    if (const auto ch = readUtf8(name, end); ch && end == name.size())
        return Keystroke{0, *ch};
    const std::string upper = upperCase(name);
    for (const NamedKey& k : NamedKeys)
        if (upper == k.name)
            return Keystroke{k.vk, 0};
    if (upper.size() >= 2 && upper[0] == 'F' && std::isdigit(static_cast<unsigned char>(upper[1]))) {
        const int n = std::atoi(upper.c_str() + 1);
        if (n >= 1 && n <= 16 && upper == "F" + std::to_string(n))
            return Keystroke{static_cast<std::uint16_t>(vk::F1 + n - 1), 0};
    }
    return std::nullopt;
}

class Parser {
public:
    explicit Parser(const std::string& s) : s_(s) {}

    std::optional<std::vector<Keystroke>> run()
    {
        while (pos_ < s_.size())
            if (!item(0, false))
                return std::nullopt;
        return out_;
    }

private:
    // One key, brace item or parenthesised group, with the modifiers held.
    // Each item of the string itself is a group of its own: one press of its
    // modifiers.
    bool item(std::uint8_t held, bool inGroup)
    {
        if (!inGroup)
            ++group_;
        for (; pos_ < s_.size(); ++pos_) {
            const char m = s_[pos_];
            if (m != '%' && m != '+' && m != '^')
                break;
            held |= m == '%' ? mod::Alt : m == '+' ? mod::Shift : mod::Ctrl;
        }
        if (pos_ >= s_.size())
            return false;
        const char c = s_[pos_];
        if (c == '(') {
            if (++depth_ > MaxDepth)
                return false;
            ++pos_;
            while (pos_ < s_.size() && s_[pos_] != ')')
                if (!item(held, true))
                    return false;
            if (pos_ >= s_.size())
                return false;
            ++pos_;
            --depth_;
            return true;
        }
        if (c == ')' || c == '}')
            return false;
        if (c == '{')
            return braced(held);
        if (c == '~') {
            ++pos_;
            emit(Keystroke{vk::Return, 0}, held, 1);
            return true;
        }
        const auto ch = readUtf8(s_, pos_);
        if (!ch)
            return false;
        emit(Keystroke{0, *ch}, held, 1);
        return true;
    }

    // {name} or {name count}. The name is everything up to the first blank
    // after its first character, so {}} and { } name "}" and a blank.
    bool braced(std::uint8_t held)
    {
        const std::size_t start = ++pos_;
        if (start >= s_.size())
            return false;
        std::size_t end = start + 1;
        while (end < s_.size() && s_[end] != '}' && s_[end] != ' ')
            ++end;
        if (end >= s_.size())
            return false;
        const std::string name = s_.substr(start, end - start);
        int count = 1;
        std::size_t close = end;
        if (s_[end] == ' ') {
            std::size_t digits = end;
            while (digits < s_.size() && s_[digits] == ' ')
                ++digits;
            close = digits;
            while (close < s_.size() && std::isdigit(static_cast<unsigned char>(s_[close])))
                ++close;
            if (close == digits || close >= s_.size() || s_[close] != '}' || close - digits > 4)
                return false;
            count = std::stoi(s_.substr(digits, close - digits));
        }
        const auto key = keyNamed(name);
        if (!key)
            return false;
        pos_ = close + 1;
        emit(*key, held, count);
        return true;
    }

    void emit(Keystroke k, std::uint8_t held, int count)
    {
        k.modifiers = held;
        k.group = group_;
        for (int i = 0; i < count; ++i)
            out_.push_back(k);
    }

    // Groups within groups mean nothing more; deep nesting is refused rather
    // than followed down the stack.
    static constexpr int MaxDepth = 8;

    const std::string& s_;
    std::size_t pos_ = 0;
    int depth_ = 0;
    int group_ = 0;
    std::vector<Keystroke> out_;
};

} // namespace

std::optional<std::vector<Keystroke>> parseSendKeys(const std::string& keys) { return Parser(keys).run(); }

} // namespace lt
