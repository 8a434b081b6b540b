// Carries the precompiled headers the test files share (see tests/CMakeLists.txt).
