// Keeps the writers library non-empty while formats are added.
namespace varnoth_writers_anchor { int anchor = 0; }
