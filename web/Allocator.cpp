// SPDX-FileCopyrightText: 2026 The TAVRIN OPS LIMITS developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The page's allocator: a third of the size of the smallest the toolchain
// offers, whose thrift with memory the drill's few, short-lived texts do not
// need. A block holds 32 << k bytes (its 16-byte header included) and, once
// freed, waits on the free list of its size for the next request of that
// size; new blocks are cut from the end of the heap, which grows by whole
// pages. A review reuses the same few dozen blocks over and over, so the
// heap stays as large as its busiest moment, at most twice what it holds.
#include <cstddef>
#include <cstdint>
#include <cstring>

extern "C" char __heap_base; // where the linker ends the data and the stack

namespace {

struct alignas(16) Block {
    union {
        Block* next;             // while free
        std::uint32_t sizeClass; // while held
    };
};

constexpr std::size_t kPage = 65536;
constexpr std::size_t kLargest = std::size_t(1) << 30;

Block* freeBlocks[32];
std::uintptr_t heapEnd = reinterpret_cast<std::uintptr_t>(&__heap_base);

// What a block of that size class holds for its owner.
std::size_t Capacity(std::uint32_t sizeClass) {
    return (std::size_t(32) << sizeClass) - sizeof(Block);
}

void* Claim(std::size_t bytes) {
    const std::uintptr_t memoryEnd = __builtin_wasm_memory_size(0) * kPage;
    if (heapEnd + bytes > memoryEnd &&
        __builtin_wasm_memory_grow(0, (heapEnd + bytes - memoryEnd + kPage - 1) / kPage) ==
            std::size_t(-1))
        return nullptr;
    const std::uintptr_t at = heapEnd;
    heapEnd += bytes;
    return reinterpret_cast<void*>(at);
}

} // namespace

extern "C" void* malloc(std::size_t bytes) {
    if (bytes > kLargest)
        return nullptr;
    std::uint32_t k = 0;
    while (Capacity(k) < bytes)
        ++k;
    Block* block = freeBlocks[k];
    if (block)
        freeBlocks[k] = block->next;
    else if (!(block = static_cast<Block*>(Claim(std::size_t(32) << k))))
        return nullptr;
    block->sizeClass = k;
    return block + 1;
}

extern "C" void free(void* pointer) {
    if (!pointer)
        return;
    Block* block = static_cast<Block*>(pointer) - 1;
    const std::uint32_t k = block->sizeClass;
    block->next = freeBlocks[k];
    freeBlocks[k] = block;
}

extern "C" void* calloc(std::size_t count, std::size_t size) {
    if (size != 0 && count > kLargest / size)
        return nullptr;
    void* block = malloc(count * size);
    if (block)
        std::memset(block, 0, count * size);
    return block;
}

extern "C" void* realloc(void* pointer, std::size_t bytes) {
    if (!pointer)
        return malloc(bytes);
    const std::size_t capacity = Capacity((static_cast<Block*>(pointer) - 1)->sizeClass);
    if (bytes <= capacity)
        return pointer;
    void* moved = malloc(bytes);
    if (moved) {
        std::memcpy(moved, pointer, capacity);
        free(pointer);
    }
    return moved;
}
