# Benchmark: bubble sort of 3000 integers from a linear congruential generator; the checksum folds
# the sorted array.
def main():
    n = 3000
    a = [0] * n
    seed = 12345
    for i in range(0, n):
        seed = (seed * 25173 + 13849) % 65536
        a[i] = seed
    for i in range(0, n - 1):
        for j in range(0, n - 1 - i):
            if a[j] > a[j + 1]:
                t = a[j]
                a[j] = a[j + 1]
                a[j + 1] = t
    s = 0
    for i in range(0, n):
        s = (s * 31 + a[i]) % 1000003
    return s

print(main())
