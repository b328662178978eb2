// Benchmarks of reading track metadata.
