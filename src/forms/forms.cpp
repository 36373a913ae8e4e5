// The library holds only the generated layout headers.
