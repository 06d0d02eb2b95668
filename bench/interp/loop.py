# Benchmark: a tight counting loop; the sum is kept modulo 1000000007 so it stays in 32 bits.
def main():
    s = 0
    for i in range(1, 10000001):
        s = (s + i) % 1000000007
    return s

print(main())
