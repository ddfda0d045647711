// Stands in while assets/ holds no pictures.
