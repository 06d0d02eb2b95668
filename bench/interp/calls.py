# Benchmark: one million calls of a small function of two integers.
def add(a, b):
    return a + b

def main():
    s = 0
    for i in range(1, 1000001):
        s = add(s, i) % 1000000007
    return s

print(main())
