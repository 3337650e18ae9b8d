#include "platform/ui/IconInternal.h"

#include "platform/ui/ResourceModule.h"

#include <QPixmap>

#include <map>
#include <memory>
#include <mutex>
#include <span>

namespace
{

// The picture of an image file at `side` x `side`; null when the bytes are
// not an image. Scaling to the icon's side bounds what a large picture costs.
QImage Picture(std::span<const uint8_t> bytes, int side)
{
    QImage image;
    if (bytes.empty() || !image.loadFromData(bytes.data(), static_cast<int>(bytes.size())))
        return QImage();
    image = image.convertToFormat(QImage::Format_ARGB32);
    if (image.size() != QSize(side, side))
        image = image.scaled(side, side, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return image;
}

std::mutex g_mutex;
// One icon per resource entry; entries live as long as their module.
std::map<const IconEntry*, std::unique_ptr<HICON__>>& Icons()
{
    static std::map<const IconEntry*, std::unique_ptr<HICON__>> icons;
    return icons;
}

} // namespace

HICON LoadIcon(HINSTANCE module, UINT id)
{
    const IconEntry* entry = FindIconResource(module, id);
    if (!entry)
        return nullptr;
    std::lock_guard<std::mutex> lock(g_mutex);
    auto& icons = Icons();
    if (auto found = icons.find(entry); found != icons.end())
        return found->second.get();
    QImage large = Picture(entry->large, kIconSize);
    if (large.isNull())
        return nullptr;
    // Without a small picture of its own the icon shows its large one reduced.
    QImage small = Picture(entry->small, kSmallIconSize);
    if (small.isNull())
        small = large.scaled(kSmallIconSize, kSmallIconSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    auto icon = std::make_unique<HICON__>(HICON__ { std::move(large), std::move(small) });
    return icons.emplace(entry, std::move(icon)).first->second.get();
}

QIcon ToQIcon(HICON big, HICON small)
{
    QIcon icon;
    if (big)
        icon.addPixmap(QPixmap::fromImage(big->large));
    if (small)
        icon.addPixmap(QPixmap::fromImage(small->small));
    return icon;
}
