// Texts and item lists as the control messages carry them.
#include "platform/ui/ControlsInternal.h"

#include <algorithm>
#include <cstring>

QString FromText(LPARAM lParam)
{
    return QString::fromUtf8(reinterpret_cast<LPCTSTR>(lParam));
}

LRESULT CopyOut(const QString& text, WPARAM room, LPARAM buffer)
{
    QByteArray bytes = text.toUtf8();
    auto* out = reinterpret_cast<char*>(buffer);
    if (!out || room == 0)
        return 0;
    int n = std::min<int>(int(bytes.size()), int(room) - 1);
    std::memcpy(out, bytes.constData(), size_t(n));
    out[n] = '\0';
    return n;
}

LRESULT CopyItem(const QString& text, LPARAM buffer)
{
    QByteArray bytes = text.toUtf8();
    auto* out = reinterpret_cast<char*>(buffer);
    if (!out)
        return -1;
    std::memcpy(out, bytes.constData(), size_t(bytes.size()));
    out[bytes.size()] = '\0';
    return bytes.size();
}

bool AnswerTextQuery(const QString& text, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    if (message == WM_GETTEXT)
        *result = CopyOut(text, wParam, lParam);
    else if (message == WM_GETTEXTLENGTH)
        *result = text.toUtf8().size();
    else
        return false;
    return true;
}

int SortedPosition(const QStringList& items, const QString& text)
{
    auto it = std::upper_bound(items.begin(), items.end(), text,
        [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    return int(it - items.begin());
}

// CB_FINDSTRING / LB_FINDSTRING: from the item after `start`, wrapping.
int FindItem(const QStringList& items, WPARAM start, const QString& text, bool exact)
{
    int n = int(items.size());
    int first = int(start) < 0 || int(start) >= n ? 0 : int(start) + 1;
    for (int k = 0; k < n; ++k) {
        int i = (first + k) % n;
        bool match = exact ? items[i].compare(text, Qt::CaseInsensitive) == 0
                           : items[i].startsWith(text, Qt::CaseInsensitive);
        if (match)
            return i;
    }
    return -1;
}
