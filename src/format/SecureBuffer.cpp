#include "format/SecureBuffer.h"

#include "format/Sodium.h"

#include <sodium.h>

#include <new>
#include <utility>

SecureBuffer::SecureBuffer(size_t size)
    : m_size(size)
{
    Sodium::ensureReady();
    // A block of no bytes still gets its own page, so data() is never null for a buffer made here.
    m_data = static_cast<unsigned char*>(sodium_malloc(size == 0 ? 1 : size));
    if (!m_data)
        throw std::bad_alloc();
    // sodium_malloc() tries to lock the pages but does not tell whether it could: asked again, the
    // system answers (locking twice is harmless, and the pages are unlocked once when freed).
    if (sodium_mlock(m_data, size == 0 ? 1 : size) != 0)
        Sodium::noteMemoryLockFailed();
}

SecureBuffer::~SecureBuffer() { reset(); }

SecureBuffer::SecureBuffer(SecureBuffer&& other) noexcept
    : m_data(std::exchange(other.m_data, nullptr))
    , m_size(std::exchange(other.m_size, 0))
{
}

SecureBuffer& SecureBuffer::operator=(SecureBuffer&& other) noexcept
{
    if (this != &other) {
        reset();
        m_data = std::exchange(other.m_data, nullptr);
        m_size = std::exchange(other.m_size, 0);
    }
    return *this;
}

void SecureBuffer::reset()
{
    if (!m_data)
        return;
    sodium_memzero(m_data, m_size);
    sodium_free(m_data);
    m_data = nullptr;
    m_size = 0;
}
