function f(a, b) return a .. b end
local s = string.format("%d %s", 3, f("x", "y"))
assert(#s > 0)
