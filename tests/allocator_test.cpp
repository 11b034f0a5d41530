// SPDX-FileCopyrightText: 2026 The TAVRIN OPS LIMITS developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The page's allocator, linked in place of the C library's: everything here,
// GoogleTest included, allocates through it.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>
#include <string>
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

namespace {

std::size_t MemoryPages() {
    return __builtin_wasm_memory_size(0);
}

} // namespace

// Blocks of every size, across the edges of the size classes and of a page,
// are aligned for any type and never overlap.
TEST(Allocator, BlocksAreAlignedAndApart) {
    const std::size_t sizes[] = {0,   1,    15,   16,    17,    31,    48,     49,
                                 100, 1000, 4096, 65520, 65536, 70000, 1 << 20};
    std::vector<unsigned char*> blocks;
    for (std::size_t i = 0; i < std::size(sizes); ++i) {
        auto* block = static_cast<unsigned char*>(std::malloc(sizes[i]));
        ASSERT_NE(block, nullptr) << sizes[i];
        EXPECT_EQ(reinterpret_cast<std::uintptr_t>(block) % alignof(std::max_align_t), 0u);
        std::memset(block, int(i + 1), sizes[i]);
        blocks.push_back(block);
    }
    for (std::size_t i = 0; i < std::size(sizes); ++i) {
        for (std::size_t at = 0; at < sizes[i]; ++at)
            ASSERT_EQ(blocks[i][at], i + 1) << "block of " << sizes[i] << " overwritten at " << at;
        std::free(blocks[i]);
    }
}

// A freed block serves the next request of its size class and of no other;
// the impossible is refused, and freeing nothing does nothing.
TEST(Allocator, ReusesFreedBlocksAndRefusesTheImpossible) {
    void* first = std::malloc(40);
    std::free(first);
    void* other = std::malloc(200);
    EXPECT_NE(other, first);
    void* again = std::malloc(33);
    EXPECT_EQ(again, first);
    std::free(again);
    std::free(other);

    EXPECT_EQ(std::malloc(SIZE_MAX), nullptr);
    EXPECT_EQ(std::malloc((std::size_t(1) << 30) + 1), nullptr);
    const std::size_t pages = MemoryPages();
    EXPECT_EQ(std::malloc(std::size_t(1) << 30), nullptr); // more than the memory may grow to
    EXPECT_EQ(MemoryPages(), pages);
    std::free(nullptr);

    // calloc clears what a freed block left behind, and refuses a product
    // that overflows; realloc keeps the contents, in place while they fit.
    auto* dirty = static_cast<unsigned char*>(std::malloc(100));
    std::memset(dirty, 0xAA, 100);
    std::free(dirty);
    auto* clean = static_cast<unsigned char*>(std::calloc(25, 4));
    ASSERT_EQ(clean, dirty);
    for (int at = 0; at < 100; ++at)
        ASSERT_EQ(clean[at], 0) << at;
    EXPECT_EQ(std::calloc(SIZE_MAX / 2, 4), nullptr);
    std::memcpy(clean, "limits", 7);
    EXPECT_EQ(std::realloc(clean, 112), clean);
    auto* grown = static_cast<char*>(std::realloc(clean, 5000));
    ASSERT_NE(grown, nullptr);
    EXPECT_STREQ(grown, "limits");
    std::free(grown);
}

// Review after review the same texts come and go: once the first round has
// set the heap's size, the rounds after it take no more memory.
TEST(Allocator, SteadyUseKeepsTheHeapsSize) {
    auto round = [] {
        std::vector<std::string> texts;
        for (int i = 0; i < 500; ++i)
            texts.emplace_back(std::size_t(i % 97 * 7), char('a' + i % 26));
        for (std::size_t i = 0; i < texts.size(); i += 2)
            texts[i] += texts[i + 1];
    };
    round();
    const std::size_t pages = MemoryPages();
    for (int i = 0; i < 200; ++i)
        round();
    EXPECT_EQ(MemoryPages(), pages);
}
