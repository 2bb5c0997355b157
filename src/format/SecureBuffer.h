#pragma once

#include <QByteArrayView>

#include <cstddef>

// A block of memory for keys and decrypted wallet bytes: allocated apart from the heap between guard
// pages, kept out of swap where the system allows, and wiped before it is given back. Throws
// std::bad_alloc when the block cannot be had.
class SecureBuffer {
public:
    SecureBuffer() = default;
    explicit SecureBuffer(size_t size);
    ~SecureBuffer();
    SecureBuffer(SecureBuffer&& other) noexcept;
    SecureBuffer& operator=(SecureBuffer&& other) noexcept;
    SecureBuffer(const SecureBuffer&) = delete;
    SecureBuffer& operator=(const SecureBuffer&) = delete;

    unsigned char* data() { return m_data; }
    const unsigned char* data() const { return m_data; }
    char* chars() { return reinterpret_cast<char*>(m_data); }
    size_t size() const { return m_size; }
    QByteArrayView view() const { return QByteArrayView(m_data, qsizetype(m_size)); }
    // Wipes and frees the block now; the buffer is empty afterwards.
    void reset();

private:
    unsigned char* m_data = nullptr;
    size_t m_size = 0;
};
