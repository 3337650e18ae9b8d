#include "explorer/ModelRules.h"

#include "link/DeviceHelpers.h"

#include <cctype>
#include <cstring>
#include <string>
#include <string_view>

namespace morrik
{

namespace
{

// The family's prefixes and the words of the other families; the model
// names are the product's recorder table.
constexpr std::string_view kQarnPrefix = "qarn";
constexpr std::string_view kQarnPrefix2 = "pt";
constexpr std::string_view kModuleWords[] = { "nc-4" };
constexpr std::string_view kZ3palWords[] = { "z3pal", "sv-", "stream", "ss-", "sv4" };
constexpr std::string_view kK386Words[] = { "k386", "vs-", "vs1" };

std::string_view Lower(char* text)
{
    for (char* c = text; *c; ++c)
        *c = char(std::tolower(static_cast<unsigned char>(*c)));
    return text;
}

template <size_t N> bool HasWord(char* text, const std::string_view (&words)[N])
{
    std::string_view lower = Lower(text);
    for (std::string_view word : words)
        if (lower.find(word) != std::string_view::npos)
            return true;
    return false;
}

// A terminated copy of a model field that may fill all its bytes.
struct ModelCopy {
    explicit ModelCopy(const char* model)
    {
        if (model)
            std::memcpy(text, model, strnlen(model, MODEL_TEXT_SIZE));
    }
    char text[MODEL_TEXT_SIZE + 1] = {};
};

} // namespace

bool IsItQARN(char* text)
{
    std::string_view lower = Lower(text);
    if (lower.starts_with(kQarnPrefix) || lower.starts_with(kQarnPrefix2))
        return true;
    return ModelNameToRecorderModel(std::string(lower)) >= 0;
}

bool IsItModule(char* text)
{
    return HasWord(text, kModuleWords);
}

bool IsItZ3PAL(char* text)
{
    return HasWord(text, kZ3palWords);
}

bool IsItK386(char* text)
{
    return HasWord(text, kK386Words);
}

int FilterModel(const char* model)
{
    ModelCopy copy(model);
    if (IsItQARN(copy.text) && !IsItModule(copy.text) && !IsItZ3PAL(copy.text) && !IsItK386(copy.text))
        return 2;
    return -1;
}

int FilterModelTree(const char* model)
{
    ModelCopy copy(model);
    if (IsItModule(copy.text) || IsItZ3PAL(copy.text))
        return -1;
    if (IsItK386(copy.text))
        return 1;
    if (IsItQARN(copy.text))
        return 2;
    return 0;
}

} // namespace morrik
