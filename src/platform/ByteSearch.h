#pragma once
// Finding the first of a few given bytes in a text, sixteen bytes at a time where the machine
// has the vector instructions for it. Field texts and option strings are scanned for a quote or
// an escape character at every field; a byte-by-byte loop there is most of a conversion's work.
#include <cstddef>
#include <string_view>
#include <type_traits>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace z2k {

// The position of the first byte at or after `from` that equals one of `bytes`, or text.size().
template <typename... Bytes>
std::size_t findFirstOfBytes(std::string_view text, std::size_t from, Bytes... bytes) {
    static_assert(sizeof...(Bytes) > 0 && (std::is_same_v<Bytes, char> && ...));
    const std::size_t size = text.size();
    const char* data = text.data();
#if defined(__SSE2__)
    for (; from + 16 <= size; from += 16) {
        const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + from));
        const __m128i hits = (_mm_cmpeq_epi8(block, _mm_set1_epi8(bytes)) | ...);
        const int mask = _mm_movemask_epi8(hits);
        if (mask != 0) return from + static_cast<std::size_t>(__builtin_ctz(static_cast<unsigned>(mask)));
    }
#endif
    for (; from < size; ++from) {
        const char byte = data[from];
        if (((byte == bytes) || ...)) return from;
    }
    return size;
}

}  // namespace z2k
