# Benchmark: naive recursive Fibonacci, measuring routine calls.
def fib(n):
    if n < 2:
        return n
    return fib(n - 1) + fib(n - 2)

def main():
    return fib(27)

print(main())
