#pragma once

#include <cstddef>

// Memory for loaded GPX documents. A large query means millions of small tree nodes and a
// file-sized text buffer; taken from the system page by page, every first touch of a page
// costs a fault, and those faults were most of the loading time. Here the memory comes in
// large regions that the kernel may back with huge pages, handed out by bumping a pointer.
// A region goes back to the system when the last block in it is freed.
class DocumentMemory {
public:
    // Makes the XML library take its memory from here. Done once, before the first document
    // exists, by a static initializer of this library; calling it again does nothing.
    static void install();

    // The XML library's allocation and deallocation functions.
    static void* allocate(std::size_t size);
    static void deallocate(void* block);

    // Whether the XML library takes its memory from here (not under AddressSanitizer, which
    // checks the system allocator's blocks one by one).
    static bool isInstalled();

    // Bytes handed out and not yet freed, for tests.
    static std::size_t bytesInUse();
};
