# Shipped data: generated at build time from the readable sources in data/.
