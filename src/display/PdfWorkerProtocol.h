#pragma once

// What the program and its PDF worker process say to each other: one JSON object a line over
// a local socket the program opens for its user only and names on the worker's command line
// (--socket NAME --memory-limit-mb N); page images through shared memory the program makes
// (readable and writable by its user only).
namespace partivo::pdfworker {

inline constexpr char kExecutable[] = "partivo-pdf-worker";
// Set by tests to find the worker, or to start the engine in the program itself ("inline").
inline constexpr char kWorkerEnv[] = "PARTIVO_PDF_WORKER";

// Requests: {"op": "open", "path"} answered {"pages"} or {"error"};
// {"op": "render", "path", "page", "w", "h", "shm"} answered {"w", "h"} (the image is in the
// shared memory, ARGB32 premultiplied, w * 4 bytes a line), {} (no such page) or {"error"}; {"op":
// "forget", "path"}, {"op": "clear"} and {"op": "release"} (let go of the shared memory: the
// program replaces it) answered {}.
inline constexpr char kOpen[] = "open";
inline constexpr char kRender[] = "render";
inline constexpr char kForget[] = "forget";
inline constexpr char kClear[] = "clear";
inline constexpr char kRelease[] = "release";

} // namespace partivo::pdfworker
