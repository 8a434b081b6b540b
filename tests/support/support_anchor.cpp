// Shared helpers of the test suite live beside this file.
namespace varnoth_test_support_anchor { int anchor = 0; }
