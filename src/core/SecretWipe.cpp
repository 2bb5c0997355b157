#include "core/SecretWipe.h"

#include <cstring>

namespace SecretWipe {

void bytes(void* data, size_t size)
{
    if (data && size)
        explicit_bzero(data, size);
}

bool overwrite(QString& text)
{
    // data() of a shared text would first copy it: only a text held here alone is wiped in place.
    if (!text.isDetached() || text.capacity() == 0)
        return false;
    bytes(text.data(), size_t(text.capacity()) * sizeof(QChar));
    return true;
}

bool overwrite(QByteArray& data)
{
    if (!data.isDetached() || data.capacity() == 0)
        return false;
    bytes(data.data(), size_t(data.capacity()));
    return true;
}

[[gnu::noinline]] void stack()
{
    constexpr size_t kStackBytes = 16 * 1024;
    unsigned char area[kStackBytes];
    bytes(area, sizeof area);
}

void text(QString& text)
{
    overwrite(text);
    text = QString();
}

void bytes(QByteArray& data)
{
    overwrite(data);
    data = QByteArray();
}

} // namespace SecretWipe
