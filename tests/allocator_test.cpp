// SPDX-FileCopyrightText: 2026 The TAVRIN OPS LIMITS developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The page's allocator, linked in place of the C library's: everything here,
// GoogleTest included, allocates through it.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>
#include <vector>

// The runtime's own names for the C library's allocator, which this
// program's replaces.
extern "C" void* __libc_malloc(std::size_t bytes) {
    return std::malloc(bytes);
}
extern "C" void __libc_free(void* pointer) {
    std::free(pointer);
}
extern "C" void* emscripten_builtin_malloc(std::size_t bytes) {
    return std::malloc(bytes);
}
extern "C" void emscripten_builtin_free(void* pointer) {
    std::free(pointer);
}

// Blocks of every size, across the edges of the size classes and of a page,
// are aligned and apart; a freed block serves the next request of its size
// class; the impossible is refused; calloc clears and realloc keeps.
TEST(Allocator, BlocksAlignedApartReusedAndRefused) {
    const std::size_t sizes[] = {0, 1, 16, 17, 48, 49, 1000, 65536, 70000, 1 << 20};
    std::vector<unsigned char*> blocks;
    for (std::size_t i = 0; i < std::size(sizes); ++i) {
        blocks.push_back(static_cast<unsigned char*>(std::malloc(sizes[i])));
        ASSERT_EQ(reinterpret_cast<std::uintptr_t>(blocks[i]) % alignof(std::max_align_t), 0u);
        std::memset(blocks[i], int(i + 1), sizes[i]);
    }
    for (std::size_t i = 0; i < std::size(sizes); ++i) {
        for (std::size_t at = 0; at < sizes[i]; ++at)
            ASSERT_EQ(blocks[i][at], i + 1) << "block of " << sizes[i] << " overwritten at " << at;
        std::free(blocks[i]);
    }
    auto* first = static_cast<unsigned char*>(std::malloc(100));
    std::memset(first, 0xAA, 100);
    std::free(first);
    EXPECT_NE(std::malloc(200), first);
    auto* clean = static_cast<unsigned char*>(std::calloc(25, 4));
    ASSERT_EQ(clean, first);
    EXPECT_EQ(std::count(clean, clean + 100, 0), 100);
    std::memcpy(clean, "limits", 7);
    auto* grown = static_cast<char*>(std::realloc(clean, 5000));
    EXPECT_STREQ(grown, "limits");
    std::free(grown);

    const std::size_t pages = __builtin_wasm_memory_size(0);
    EXPECT_EQ(std::malloc(SIZE_MAX), nullptr);
    EXPECT_EQ(std::malloc(std::size_t(1) << 30), nullptr); // more than the memory may grow to
    EXPECT_EQ(std::calloc(SIZE_MAX / 2, 4), nullptr);
    EXPECT_EQ(__builtin_wasm_memory_size(0), pages);
}
