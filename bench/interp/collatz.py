# Benchmark: total Collatz steps for every start value up to 100000.
def main():
    steps = 0
    for i in range(1, 100001):
        n = i
        while n != 1:
            if n % 2 == 0:
                n = n // 2
            else:
                n = 3 * n + 1
            steps = steps + 1
    return steps

print(main())
