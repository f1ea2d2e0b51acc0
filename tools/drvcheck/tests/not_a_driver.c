/* A library that loads but has none of the driver functions. */
__attribute__((visibility("default"))) int notADriver(void) { return 0; }
