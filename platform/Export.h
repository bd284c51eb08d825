// Marks the plug-in's exported functions: C linkage, stdcall on 32-bit Windows, visible.
#pragma once

#ifdef _WIN32
#define QUILL_EXPORT extern "C" __declspec(dllexport)
#define QUILL_STDCALL __stdcall
#else
#define QUILL_EXPORT extern "C" __attribute__((visibility("default")))
#define QUILL_STDCALL
#endif
