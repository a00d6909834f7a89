#include "engine/settings/SettingsLine.h"

#include <charconv>
#include <limits>

#include "engine/settings/AnsiText.h"

namespace {

constexpr char Quote = '"';
constexpr char QuoteStandIn = '\'';
constexpr char Comma = ',';
constexpr char Cr = '\r';
constexpr char Lf = '\n';
constexpr const char* LineEnd = "\r\n";

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDelimiter(char c) { return c == Comma || c == Cr || c == Lf; }

std::string QuotedName(const std::string& utf8) { return Quote + Utf8ToAnsi(StorableName(utf8)) + Quote; }

// Walks the input field by field.
class FieldReader {
public:
    explicit FieldReader(std::string_view s) : s_(s) {}

    // The next field's text; false when the input has ended or a quote is never closed.
    bool Next(std::string& text)
    {
        while (pos_ < s_.size() && IsBlank(s_[pos_]))
            ++pos_;
        if (pos_ >= s_.size())
            return false;
        if (s_[pos_] == Quote) {
            const size_t close = s_.find(Quote, pos_ + 1);
            if (close == std::string_view::npos)
                return false;
            text.assign(s_.substr(pos_ + 1, close - pos_ - 1));
            // Whatever stands between the closing quote and the delimiter is passed over.
            pos_ = close + 1;
            while (pos_ < s_.size() && !IsDelimiter(s_[pos_]))
                ++pos_;
        } else {
            size_t end = pos_;
            while (end < s_.size() && !IsDelimiter(s_[end]))
                ++end;
            size_t last = end;
            while (last > pos_ && IsBlank(s_[last - 1]))
                --last;
            text.assign(s_.substr(pos_, last - pos_));
            pos_ = end;
        }
        SkipDelimiter();
        return true;
    }

private:
    void SkipDelimiter()
    {
        if (pos_ >= s_.size())
            return;
        if (s_[pos_] == Cr && pos_ + 1 < s_.size() && s_[pos_ + 1] == Lf)
            ++pos_;
        ++pos_;
    }

    std::string_view s_;
    size_t pos_ = 0;
};

// Decimal digits with an optional sign, within the range of T.
template <class T>
bool ReadNumber(const std::string& text, T& out)
{
    const char* first = text.data();
    const char* last = first + text.size();
    if (first != last && *first == '+') {
        ++first;
        if (first == last || *first < '0' || *first > '9')
            return false;
    }
    long long v = 0;
    const auto [end, ec] = std::from_chars(first, last, v);
    if (ec != std::errc() || end != last)
        return false;
    if (v < std::numeric_limits<T>::min() || v > std::numeric_limits<T>::max())
        return false;
    out = static_cast<T>(v);
    return true;
}

template <class T>
bool ReadNumberField(FieldReader& reader, T& out)
{
    std::string text;
    return reader.Next(text) && ReadNumber(text, out);
}

bool ReadTextField(FieldReader& reader, std::string& out)
{
    std::string text;
    if (!reader.Next(text))
        return false;
    out = AnsiToUtf8(text);
    return true;
}

}  // namespace

std::string StorableName(std::string name)
{
    for (char& c : name) {
        if (c == Quote)
            c = QuoteStandIn;
        else if (c == Cr || c == Lf)
            c = ' ';
    }
    return name;
}

std::string FormatSettingsLine(const SettingsRecord& r)
{
    return std::to_string(r.GamesWonPlayer) + Comma + std::to_string(r.GamesWonComputer) + Comma +
           std::to_string(r.Speed) + Comma + QuotedName(r.PlayerName) + Comma +
           QuotedName(r.BotName) + Comma + std::to_string(r.TargetScore) + LineEnd;
}

int ParseSettingsLine(std::string_view bytes, SettingsRecord& r)
{
    // Each field goes straight into the record, only when it could be read.
    FieldReader reader(bytes);
    if (!ReadNumberField(reader, r.GamesWonPlayer))
        return 0;
    if (!ReadNumberField(reader, r.GamesWonComputer))
        return 1;
    if (!ReadNumberField(reader, r.Speed))
        return 2;
    if (!ReadTextField(reader, r.PlayerName))
        return 3;
    if (!ReadTextField(reader, r.BotName))
        return 4;
    if (!ReadNumberField(reader, r.TargetScore))
        return 5;
    return SettingsFieldCount;
}
