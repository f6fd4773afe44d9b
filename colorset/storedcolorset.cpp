#include "storedcolorset.h"

namespace tintmill {

const QString &descriptionOf(const StoredColorSet &set)
{
    return std::visit([](const auto &kind) -> const QString & { return kind.description; }, set);
}

StoredColorSet withDescription(StoredColorSet set, const QString &description)
{
    std::visit([&description](auto &kind) { kind.description = description; }, set);
    return set;
}

} // namespace tintmill
