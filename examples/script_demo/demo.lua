-- Uses the two functions the demo application registers.
print("script: " .. app_greet("Korvex"))
print(string.format("script: area of a 3 x 4 rectangle is %g", app_area(3, 4)))

-- Called from the application with a number, a text and a boolean.
function describe(count, label, loud)
  local text = string.format("%d x %s", count, label)
  if loud then text = string.upper(text) end
  return text
end

function total(a, b)
  return a + app_area(b, 2)
end

function is_even(n)
  return n % 2 == 0
end
